#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

class QSettings;

namespace vantry {

// Why a write to the per-user store was lost: the store's file and the reason, in words for
// the player ("the file is read-only").
struct StoreFailure {
    QString path;
    QString reason;
};

// The keys of one write, each with its section ("Records/Names1"), in the order they are set;
// a key given no value (an invalid QVariant) is removed.
using StoreValues = QList<QPair<QString, QVariant>>;

// How long a write waits for the store's lock, which another copy of the game holds while it
// writes, before it gives up.
constexpr int StoreLockWaitMs = 3000;

// Writes `values` to the per-user store ("Vantry", "Vantry") in one go; no value when they were
// stored. Every writer of the store goes through here.
//
// The toolkit waits for the store's lock file without end, so a lock that can never be taken
// (a folder in its place, a lock kept by a hung program) would freeze the game; and a change it
// could not write stays pending in its cache of the file for the rest of the run, where every
// later use of the store tries to write it again. So the file and the lock are tried first,
// the lock for `lockWaitMs` at most, and nothing is handed to the toolkit when either fails.
std::optional<StoreFailure> WriteUserStore(const StoreValues& values, int lockWaitMs = StoreLockWaitMs);

// Why a write gave up on a lock that another copy of the game kept for `waitMs`, in words for
// the player.
QString LockKeptReason(const QString& lockPath, int waitMs);

// A stored value as the text it was written as. The settings file format splits an unquoted
// value at its commas into a list; the list is joined back with ", ", which restores the usual
// "Company, Inc." (spacing around the commas is not kept by the format).
QString SettingText(const QVariant& value);

// The per-user store's file; when a file the store reads is not a regular file, that file.
QString UserStorePath();

// The per-user store, or null when a file it reads is there but is not a regular file (a named
// pipe, a device, a folder), which the toolkit would open without asking what it is, waiting on
// a pipe for ever: the store is then read as empty (every value its default) and not written.
std::unique_ptr<QSettings> OpenUserStore();

}  // namespace vantry
