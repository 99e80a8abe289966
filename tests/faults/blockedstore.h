#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace vantry::test {

// Ways a per-user store cannot be written even by root, for whom permissions are no bar: its
// folder would have to be made inside a regular file, or the store's file name is a folder.
enum class Blocked { FolderIsAFile, StoreIsAFolder };

inline std::string BlockedName(Blocked how) {
    return how == Blocked::FolderIsAFile ? "FolderIsAFile" : "StoreIsAFolder";
}

// Points the per-user settings store into `dir` so that it cannot be written, and returns the
// store's file path; empty when the block could not be set up.
inline QString BlockUserStore(const QTemporaryDir& dir, Blocked how) {
    QString folder = dir.filePath(QStringLiteral("settings"));
    if (how == Blocked::FolderIsAFile) {
        QFile file(dir.filePath(QStringLiteral("plain")));
        if (!file.open(QIODevice::WriteOnly)) return QString();
        folder = dir.filePath(QStringLiteral("plain/settings"));
    }
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder);
    }
    const QString storePath = QSettings("Vantry", "Vantry").fileName();
    if (how == Blocked::StoreIsAFolder && !QDir().mkpath(storePath)) return QString();
    return storePath;
}

}  // namespace vantry::test
