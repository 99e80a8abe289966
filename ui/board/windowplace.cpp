#include "windowplace.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "prompter.h"
#include "storefailurenotice.h"
#include "userstorewrite.h"

namespace vantry {

namespace {
const QString GeometryKey = QStringLiteral("Window/Geometry");

// The toolkit would move a window stored off every screen onto one, at its stored size; the
// stored frame is read first (the toolkit's format opens with its magic number, its version and
// the frame), and one that no screen shows is not taken at all.
bool OnAScreen(const QByteArray& stored) {
    QDataStream in(stored);
    in.setVersion(QDataStream::Qt_5_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    in >> magic >> major >> minor >> frame;
    if (in.status() != QDataStream::Ok || magic != 0x1D9D0CB || frame.isEmpty()) return false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame)) return true;
    }
    return false;
}
}  // namespace

void WindowPlace::Restore(QWidget& window) {
    const auto store = OpenUserStore();
    const QByteArray stored = store ? store->value(GeometryKey).toByteArray() : QByteArray();
    if (!OnAScreen(stored)) return;
    const QRect before = window.geometry();
    if (!window.restoreGeometry(stored)) window.setGeometry(before);
}

void WindowPlace::Store(const QWidget& window, Prompter& prompter, StoreFailureNotice& notice) {
    const auto failure = WriteUserStore({{GeometryKey, window.saveGeometry()}});
    if (!failure) return;
    //: %1 is the settings file, %2 why it could not be written ("the file is read-only").
    notice.Tell(prompter, QCoreApplication::translate("WindowPlace", "The window's size and place could not be stored in %1: %2.")
                              .arg(failure->path, failure->reason));
}

}  // namespace vantry
