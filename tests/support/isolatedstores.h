#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace vantry::test {

// Empty per-user and machine-wide settings stores in folders of their own for as long as it
// lives, so that tests running side by side never share a file and never reach the real stores.
class IsolatedStores {
public:
    IsolatedStores() {
        QStandardPaths::setTestModeEnabled(true);
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, user_.path());
        }
        SetSystemFolder(NewFolder());
    }
    bool valid() const {
        if (!user_.isValid()) return false;
        for (const auto& dir : system_) {
            if (!dir->isValid()) return false;
        }
        return true;
    }

    // Writes the machine-wide values file by hand, as an administrator would. Each call uses a
    // new folder: the settings cache could take a rewritten file of the same size and time for
    // the one it read before.
    bool WriteMachineValues(const QByteArray& text) {
        SetSystemFolder(NewFolder());
        const QString path =
            QSettings(QSettings::NativeFormat, QSettings::SystemScope, "Quorlen", "Vantry").fileName();
        if (!QDir().mkpath(QFileInfo(path).path())) return false;
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    }

private:
    QString NewFolder() {
        system_.push_back(std::make_unique<QTemporaryDir>());
        return system_.back()->path();
    }
    static void SetSystemFolder(const QString& path) {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::SystemScope, path);
        }
    }

    QTemporaryDir user_;
    std::vector<std::unique_ptr<QTemporaryDir>> system_;
};

}  // namespace vantry::test
