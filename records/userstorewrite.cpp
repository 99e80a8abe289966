#include "userstorewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>
#include <utility>

namespace vantry {

namespace {

// Below this much room a store of a few kilobytes, written beside itself first, cannot count
// on fitting.
constexpr qint64 RoomNeeded = 64 * 1024;

// What stands in the way of writing the store at `path`, in words for the player.
QString WhatFailed(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QStorageInfo disk(folder.absoluteFilePath());
    // The first fault that holds is told.
    const std::pair<bool, const char*> faults[] = {
        //: Follows "could not be stored in <file>:", the file being the game's settings file.
        {file.isDir(), QT_TRANSLATE_NOOP("UserStore", "a folder stands where the file should be")},
        //: Follows "could not be stored in <file>:", the file being the game's settings file.
        {file.exists() && !file.isFile(), QT_TRANSLATE_NOOP("UserStore", "it is not a regular file")},
        //: Follows "could not be stored in <file>:", the file being the game's settings file.
        {file.exists() && !file.isWritable(), QT_TRANSLATE_NOOP("UserStore", "the file is read-only")},
        //: Follows "could not be stored in <file>:", the file being the game's settings file.
        {!folder.isDir(), QT_TRANSLATE_NOOP("UserStore", "its folder cannot be made")},
        //: Follows "could not be stored in <file>:", the file being the game's settings file.
        {!folder.isWritable(), QT_TRANSLATE_NOOP("UserStore", "its folder is read-only")},
        //: Follows "could not be stored in <file>:", the file being the game's settings file.
        {disk.isValid() && disk.bytesAvailable() < RoomNeeded, QT_TRANSLATE_NOOP("UserStore", "the disk is full")},
    };
    for (const auto& [fault, reason] : faults) {
        if (fault) return QCoreApplication::translate("UserStore", reason);
    }
    //: Follows "could not be stored in <file>:", the file being the game's settings file.
    return QCoreApplication::translate("UserStore", "it could not be written");
}

// True when the toolkit's own test of the file will pass, so that it takes the lock and
// writes: the file can be opened for writing, or it is absent and its folder can be made.
bool FileCanBeWritten(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink()) return QDir().mkpath(file.absolutePath());
    if (!file.isFile()) return false;
    return QFile(path).open(QIODevice::ReadWrite);
}

// The first file the store would read that is there but is not a regular file (a named pipe, a
// device, a folder), or empty when there is none. The toolkit opens its files without asking
// what they are, and opening a pipe waits for a writer for ever.
QString UserStoreBlocked() {
    // The application's file and the organisation's beside it, in the user's folder and the
    // machine's, as the toolkit looks for them.
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        for (const char* name : {"/Vantry/Vantry.conf", "/Vantry.conf"}) {
            const QFileInfo file(folder + QLatin1String(name));
            if (file.exists() && !file.isFile()) return file.filePath();
        }
    }
    return {};
}

}  // namespace

QString SettingText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QString LockKeptReason(const QString& lockPath, int waitMs) {
    const int seconds = std::max(1, (waitMs + 999) / 1000);
    //: Follows "could not be stored in <file>:". The lock file is the settings file's name with
    //: ".lock" added; another copy of the game holds it while it writes.
    return QCoreApplication::translate("UserStore", "its lock file %1 could not be taken within %n seconds",
                                       nullptr, seconds)
        .arg(lockPath);
}

std::unique_ptr<QSettings> OpenUserStore() {
    if (!UserStoreBlocked().isEmpty()) return nullptr;
    return std::make_unique<QSettings>(QStringLiteral("Vantry"), QStringLiteral("Vantry"));
}

QString UserStorePath() {
    const QString blocked = UserStoreBlocked();
    return blocked.isEmpty() ? QSettings(QStringLiteral("Vantry"), QStringLiteral("Vantry")).fileName() : blocked;
}

std::optional<StoreFailure> WriteUserStore(const StoreValues& values, int lockWaitMs) {
    const QString path = UserStorePath();
    // A blocked store's path is the file in the way, which no write can open.
    if (!FileCanBeWritten(path)) return StoreFailure{path, WhatFailed(path)};
    {
        // The toolkit locks the same file while it writes; holding it here is only a test that
        // it can be had, let go before the toolkit takes it in turn.
        QLockFile lock(path + QStringLiteral(".lock"));
        if (!lock.tryLock(lockWaitMs)) {
            if (lock.error() == QLockFile::LockFailedError) return StoreFailure{path, LockKeptReason(lock.fileName(), lockWaitMs)};
            return StoreFailure{path, WhatFailed(path)};
        }
    }
    QSettings settings(QStringLiteral("Vantry"), QStringLiteral("Vantry"));
    for (const auto& [key, value] : values) {
        if (value.isValid()) {
            settings.setValue(key, value);
        } else {
            settings.remove(key);
        }
    }
    settings.sync();
    // A file the toolkit could read only in part still takes the write; only access counts.
    if (settings.status() != QSettings::AccessError) return std::nullopt;
    return StoreFailure{path, WhatFailed(path)};
}

}  // namespace vantry
