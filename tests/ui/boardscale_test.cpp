#include <gtest/gtest.h>

#include <QLabel>
#include <QSettings>
#include <QTest>

#include "boardrig.h"
#include "countertravel.h"
#include "dieface.h"
#include "isolatedstores.h"
#include "twips.h"
#include "windowplace.h"

namespace vantry::test {
namespace {

TEST(TwipsMapping, PlacesTwipsAtTheScaleAndOffsetAndTakesClicksBack) {
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
        // Go's design rectangle, and a click on its middle back in twips.
        const TwipsRect go{11040, 7680, 615, 615};
        const QRect shown = m.Rect(go);
        EXPECT_NEAR(shown.left(), c.offset.x() + 736 * c.scale, 0.5);
        EXPECT_NEAR(shown.width(), 41 * c.scale, 1.0);
        const QPointF back = m.Twips(QRectF(shown).center());
        EXPECT_NEAR(back.x(), go.left + go.width / 2, 15.0 / c.scale);
        EXPECT_NEAR(back.y(), go.top + go.height / 2, 15.0 / c.scale);
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

TEST(WindowPlaceTest, ADamagedOrOffScreenPlaceLeavesTheDesignSize) {
    IsolatedStores stores;
    ASSERT_TRUE(stores.valid());
    QWidget far;
    far.setGeometry(100000, 100000, 900, 700);
    const QByteArray offScreen = far.saveGeometry();
    for (const QByteArray& stored : {QByteArray("not a geometry"), offScreen}) {
        QSettings("Vantry", "Vantry").setValue("Window/Geometry", stored);
        QWidget window;
        window.resize(792, 573);
        WindowPlace::Restore(window);
        EXPECT_EQ(window.size(), QSize(792, 573));
        EXPECT_FALSE(window.isFullScreen());
    }
    // A place on the screen comes back as it was left.
    QWidget left;
    left.setGeometry(20, 30, 700, 500);
    QSettings("Vantry", "Vantry").setValue("Window/Geometry", left.saveGeometry());
    QWidget window;
    window.resize(792, 573);
    WindowPlace::Restore(window);
    EXPECT_EQ(window.size(), QSize(700, 500));
}

}  // namespace
}  // namespace vantry::test
