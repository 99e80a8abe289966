#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "boardrig.h"
#include "board/countertravel.h"
#include "board/dieface.h"
#include "isolatedstores.h"
#include "twips.h"
#include "board/windowplace.h"

namespace vantry::test {
namespace {

TEST(TwipsMapping, PlacesTwipsAtTheScaleAndOffset) {
    struct Case {
        QSize window;
        qreal scale;
        QPointF offset;
    } const cases[] = {
        {{792, 573}, 1.0, {0, 0}},
        {{1584, 1146}, 2.0, {0, 0}},
        {{1920, 1080}, 1080.0 / 573.0, {(1920 - 792 * 1080.0 / 573.0) / 2.0, 0}},  // bands at the sides
        {{1584, 2000}, 2.0, {0, (2000 - 1146) / 2.0}},                         // bands above and below
        {{400, 300}, 0.75, {(400 - 594) / 2.0, (300 - 573 * 0.75) / 2.0}},     // never below three quarters
    };
    for (const Case& c : cases) {
        const TwipsMapping m = TwipsMapping::Fitting(QSize(792, 573), c.window, 0.75);
        EXPECT_DOUBLE_EQ(m.scale, c.scale) << c.window.width();
        EXPECT_NEAR(m.offset.x(), c.offset.x(), 1e-9) << c.window.width();
        EXPECT_NEAR(m.offset.y(), c.offset.y(), 1e-9) << c.window.width();
        // Go's design rectangle.
        const TwipsRect go{11040, 7680, 615, 615};
        const QRect shown = m.Rect(go);
        EXPECT_NEAR(shown.left(), c.offset.x() + 736 * c.scale, 0.5);
        EXPECT_NEAR(shown.width(), 41 * c.scale, 1.0);
    }
}

TEST(BoardScale, TheWholeBoardFollowsTheWindowAndClicksLandWhereItIsDrawn) {
    BoardRig rig;
    rig.window->show();
    const qreal designPoints = rig.Find<QLabel>("txtName(0)")->font().pointSizeF();
    rig.window->resize(1584 + 200, 1146);  // twice the design, with a band either side
    const QRect go = rig.Find("cmdGo")->geometry();
    EXPECT_EQ(go, QRect(100 + 1472, 1024, 82, 82));
    EXPECT_EQ(rig.Find("imgPic")->geometry().size(), QSize(1584, 1146));
    EXPECT_EQ(rig.Find("picM(2)")->geometry(), QRect(100 + 1504, 1024, 34, 82));
    EXPECT_NEAR(rig.Find<QLabel>("txtName(0)")->font().pointSizeF(), 2 * designPoints, 1.01);
    QTest::mouseClick(rig.Find("picToss(6)"), Qt::LeftButton);
    ASSERT_TRUE(rig.state.CounterEnabled[0]);
    QTest::mouseClick(rig.Find("picM(0)"), Qt::LeftButton);
    EXPECT_EQ(rig.state.Position[0], 4);
    // Counters travel and stack on the model's twips; only their drawing is scaled.
    rig.window->Travel().Frame(rig.window->Travel().Now() + 1000);
    EXPECT_EQ(rig.Find("picM(0)")->geometry(), rig.window->Mapping().Rect(rig.state.Counters[0]));
}

TEST(BoardScale, TheRollIsADrawingOfAThrowAlreadyMade) {
    BoardRig rig;
    rig.window->show();
    rig.window->GameEngine().Throw();
    auto* face = rig.Find<DieFace>("picToss(3)");
    ASSERT_TRUE(face->Rolling());
    EXPECT_NE(face->DrawnFace(), 3);
    // The state already stands as the throw left it: the face on show, spent, and the move next.
    EXPECT_EQ(rig.state.ShownFace, 3);
    EXPECT_FALSE(rig.state.FaceEnabled);
    EXPECT_TRUE(rig.state.GoEnabled);
    EXPECT_FALSE(face->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !face->Rolling(); }, 2000));
    EXPECT_EQ(face->DrawnFace(), 3);
}

// A stored frame (title bar and borders included) is taken where the whole of it fits the
// screen's available area; one partly off comes onto it, one too large shrinks to fit, centred.
TEST(WindowPlaceTest, EveryFrameOpensWhollyOnTheScreen) {
    const QRect large(0, 0, 1280, 1024);
    const QRect small(0, 0, 640, 480);
    struct Case {
        const char* what;
        QRect room;
        QRect frame;
        QRect expected;
    } const cases[] = {
        {"a place that fits stays", large, {100, 50, 804, 619}, {100, 50, 804, 619}},
        {"a huge frame", large, {0, 0, 99999, 99999}, large},
        {"larger than the screen both ways", large, {-20, -30, 8000, 6000}, large},
        {"closed larger on a larger screen", large, {900, 40, 3000, 1800}, large},
        {"wider only, centred", large, {900, 40, 3000, 600}, {0, 212, 1280, 600}},
        {"10 x 10 on the screen", large, {1270, 1014, 804, 619}, {476, 405, 804, 619}},
        {"the title bar above the top", large, {200, -25, 804, 619}, {200, 0, 804, 619}},
        {"the design size on a screen too small", small, {300, 200, 804, 619}, small},
        {"a screen not at the origin", {1280, 24, 1024, 744}, {0, 0, 804, 619}, {1280, 24, 804, 619}},
    };
    for (const Case& c : cases) EXPECT_EQ(WindowPlace::FitFrame(c.frame, c.room), c.expected) << c.what;
}

TEST(WindowPlaceTest, AStoredPlaceOpensOnTheScreenAndKeepsItsState) {
    IsolatedStores stores;
    ASSERT_TRUE(stores.valid());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto stored = [](const QRect& place, Qt::WindowStates states) {
        QWidget left;
        left.setGeometry(place);
        left.setWindowState(states);
        QSettings("Vantry", "Vantry").setValue("Window/Geometry", left.saveGeometry());
    };
    struct Case {
        const char* what;
        QRect place;
        Qt::WindowStates states;
    } const cases[] = {
        {"a place that fits", {20, 50, 700, 500}, {}},
        {"a huge frame", {0, 0, 99999, 99999}, {}},
        {"larger than the screen", {-50, -50, 8000, 6000}, {}},
        {"10 x 10 on the screen", {790, 590, 600, 400}, {}},
        {"full screen", {790, 590, 8000, 6000}, Qt::WindowFullScreen},
        {"maximized", {-50, -50, 8000, 6000}, Qt::WindowMaximized},
    };
    for (const Case& c : cases) {
        stored(c.place, c.states);
        QWidget window;
        window.setMinimumSize(594, 430);
        window.resize(792, 573);
        WindowPlace::Restore(window);
        const QMargins frame = WindowPlace::FrameMargins(window);
        EXPECT_TRUE(screen.contains(window.normalGeometry() + frame)) << c.what;
        EXPECT_EQ(window.windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized), c.states) << c.what;
        if (&c == cases) {
            EXPECT_EQ(window.normalGeometry(), c.place) << "a place that fits comes back as it was left";
        }
    }
}

// Nothing usable stored: the window's own size, bounded by the screen.
TEST(WindowPlaceTest, ADamagedOrOffScreenPlaceLeavesTheOwnSize) {
    IsolatedStores stores;
    ASSERT_TRUE(stores.valid());
    QWidget far;
    far.setGeometry(100000, 100000, 900, 700);
    const QByteArray offScreen = far.saveGeometry();
    for (const QByteArray& stored : {QByteArray("not a geometry"), offScreen}) {
        QSettings("Vantry", "Vantry").setValue("Window/Geometry", stored);
        for (const QSize& own : {QSize(600, 400), QSize(1584, 1146)}) {
            QWidget window;
            window.setMinimumSize(own * 0.75);
            window.resize(own);
            WindowPlace::Restore(window);
            const QRect frame = window.geometry() + WindowPlace::FrameMargins(window);
            if (own.width() < 700) {
                EXPECT_EQ(window.size(), own);
            } else {
                EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
            }
            EXPECT_FALSE(window.isFullScreen());
        }
    }
}

}  // namespace
}  // namespace vantry::test
