#include "board/windowplace.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "storefailurenotice.h"
#include "userstorewrite.h"

namespace vantry {

namespace {
const QString GeometryKey = QStringLiteral("Window/Geometry");

// Title bars run from about 20 to 40 pixels on the common window managers, borders up to 6.
constexpr QMargins GuessedFrame{6, 40, 6, 6};
constexpr int WidestFrameSide = 100;
// Past this a stored coordinate is damage, not a place, and would overflow the arithmetic.
constexpr int Farthest = 1 << 20;

// The part of what QWidget::saveGeometry writes that we take: the frame, the inside of the
// window as it stands when neither maximized nor full screen, and those two states.
struct StoredPlace {
    QRect frame;
    QRect normal;
    Qt::WindowStates states;
};

bool Plausible(const QRect& r) {
    return !r.isEmpty() && std::abs(r.left()) < Farthest && std::abs(r.top()) < Farthest && r.width() < Farthest &&
           r.height() < Farthest;
}

std::optional<StoredPlace> Read(const QByteArray& stored) {
    QDataStream in(stored);
    in.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    qint32 screen = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    StoredPlace place;
    in >> magic >> major >> minor >> place.frame >> place.normal >> screen >> maximized >> fullScreen;
    if (in.status() != QDataStream::Ok || magic != 0x1D9D0CB || major > 3) return std::nullopt;
    if (!Plausible(place.frame) || !Plausible(place.normal)) return std::nullopt;
    if (maximized != 0) place.states |= Qt::WindowMaximized;
    if (fullScreen != 0) place.states |= Qt::WindowFullScreen;
    return place;
}

// The screen that shows most of the frame (the first of those that show as much), or none.
const QScreen* ScreenShowing(const QRect& frame) {
    const auto seen = [&frame](const QScreen* screen) {
        const QRect shown = screen->availableGeometry().intersected(frame);
        return qint64(shown.width()) * shown.height();
    };
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto best = std::max_element(screens.begin(), screens.end(),
                                       [&seen](const QScreen* a, const QScreen* b) { return seen(a) < seen(b); });
    return best != screens.end() && seen(*best) > 0 ? *best : nullptr;
}

QMargins Between(const QRect& frame, const QRect& inside) {
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                    frame.bottom() - inside.bottom());
}

// The frame of the last run, unless it was stored without a title bar (before the window
// system framed the window, or by hand) or cannot be a frame at all.
QMargins StoredFrame(const StoredPlace& place) {
    if (place.states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return GuessedFrame;
    const QMargins m = Between(place.frame, place.normal);
    const auto sides = {m.left(), m.top(), m.right(), m.bottom()};
    const bool plausible = m.top() > 0 && std::min(sides) >= 0 && std::max(sides) <= WidestFrameSide;
    return plausible ? m : GuessedFrame;
}

}  // namespace

QRect WindowPlace::FitFrame(const QRect& frame, const QRect& room) {
    if (frame.width() > room.width() || frame.height() > room.height()) {
        QRect fitted(QPoint(), frame.size().boundedTo(room.size()));
        fitted.moveCenter(room.center());
        return fitted;
    }
    QRect moved = frame;
    moved.moveLeft(std::clamp(frame.left(), room.left(), room.right() - frame.width() + 1));
    moved.moveTop(std::clamp(frame.top(), room.top(), room.bottom() - frame.height() + 1));
    return moved;
}

QMargins WindowPlace::FrameMargins(const QWidget& window) {
    const QMargins known = Between(window.frameGeometry(), window.geometry());
    return known.top() > 0 ? known : GuessedFrame;
}

// A remembered maximized or full-screen window comes back so, over a normal place that fits.
// Without a stored place the window keeps its own size where it fits the screen, placed by the
// window system. Either way the board shrinks below its usual smallest size where a screen has
// no room for even that.
void WindowPlace::Restore(QWidget& window) {
    const auto store = OpenUserStore();
    const auto stored = Read(store ? store->value(GeometryKey).toByteArray() : QByteArray());
    const QScreen* storedScreen = stored ? ScreenShowing(stored->frame) : nullptr;
    const QScreen* screen = storedScreen != nullptr ? storedScreen : window.screen();
    if (screen == nullptr) return;
    const QMargins margins = storedScreen != nullptr ? StoredFrame(*stored) : FrameMargins(window);
    const QRect room = screen->availableGeometry();
    window.setMinimumSize(window.minimumSize().boundedTo(room.size().shrunkBy(margins)).expandedTo(QSize(1, 1)));
    if (storedScreen == nullptr) {
        const QSize frame = window.size().grownBy(margins);
        if (frame.width() > room.width() || frame.height() > room.height()) {
            window.setGeometry(FitFrame(QRect(QPoint(), frame), room) - margins);
        }
        return;
    }
    // Fitted as large as the window will really be.
    QRect normal = stored->normal;
    normal.setSize(normal.size().expandedTo(window.minimumSize()));
    window.setGeometry(FitFrame(normal + margins, room) - margins);
    if (stored->states) window.setWindowState(window.windowState() | stored->states);
}

void WindowPlace::Store(const QWidget& window, Prompter& prompter, StoreFailureNotice& notice) {
    const auto failure = WriteUserStore({{GeometryKey, window.saveGeometry()}});
    if (!failure) return;
    //: %1 is the settings file, %2 why it could not be written ("the file is read-only").
    notice.Tell(prompter, QCoreApplication::translate("WindowPlace", "The window's size and place could not be stored in %1: %2.")
                              .arg(failure->path, failure->reason));
}

}  // namespace vantry
