#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "board/boardlayout.h"
#include "boardrig.h"
#include "board/numberlayer.h"

namespace vantry::test {
namespace {

struct NumberPlace {
    int square;
    float left;
    float top;
};

// Each number is centred between its square's ticks and stands on the strip's bottom edge.
TEST(BoardLoad, SquareNumbersStandBetweenTheirTicks) {
    BoardRig rig;
    const NumberPlace places[] = {
        {1, (10680.0f + 9630.0f) / 2 - 45, 8280 - 195},  // right end of the bottom row
        {10, (1290.0f + 240.0f) / 2 - 90, 8280 - 195},   // left end of the bottom row
        {11, (240.0f + 1290.0f) / 2 - 90, 7440 - 195},   // left end of row 2, after the turn
        {94, (3360.0f + 4410.0f) / 2 - 90, 720 - 195},   // the top row's odd tick
        {100, (9630.0f + 10680.0f) / 2 - 135, 720 - 195},
    };
    for (const NumberPlace& p : places) {
        const NumberLayer::Number number = NumberLayer::Of(p.square);
        EXPECT_EQ(number.caption, QString::number(p.square));
        EXPECT_FLOAT_EQ(number.rect.left, p.left) << p.square;
        EXPECT_FLOAT_EQ(number.rect.top, p.top) << p.square;
    }
    // The design metrics, not the machine's font, size the label.
    EXPECT_FLOAT_EQ(NumberLayer::Of(94).rect.width, 180.0f);
    EXPECT_FLOAT_EQ(NumberLayer::Of(100).rect.width, 270.0f);
}

// The numbers 1 to 100 are painted in white, each in its own label's place, and nothing else is.
TEST(BoardLoad, OnlyTheHundredSquareNumbersShow) {
    BoardRig rig;
    auto* layer = rig.Find<NumberLayer>("lblCtr");
    ASSERT_NE(layer, nullptr);
    QImage drawn(layer->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    layer->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    QRegion numbered;
    for (int i = 1; i <= 100; ++i) {
        const QRect box = NumberLayer::TextRect(NumberLayer::Of(i));
        numbered += box;
        int painted = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) painted += qAlpha(drawn.pixel(x, y)) > 0;
        }
        EXPECT_GT(painted, 0) << "no number drawn for square " << i;
    }
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            if (qAlpha(pixel) == 0) continue;
            ASSERT_TRUE(numbered.contains(QPoint(x, y))) << x << "," << y;
            // White at whatever coverage: premultiplied, every channel equals the alpha.
            ASSERT_EQ(pixel, qRgba(qAlpha(pixel), qAlpha(pixel), qAlpha(pixel), qAlpha(pixel))) << x << "," << y;
        }
    }
}

TEST(BoardLoad, OpensAwaitingTheFirstThrow) {
    BoardRig rig;
    for (int k = 0; k <= 6; ++k) {
        auto* face = rig.Find(QString("picToss(%1)").arg(k));
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(!face->isHidden(), k == 6) << k;
    }
    EXPECT_EQ(rig.Find<QLabel>("Label1")->text(), "Click");
    EXPECT_FALSE(rig.Find("cmdGo")->isEnabled());
    EXPECT_TRUE(rig.Find<QPushButton>("cmdGo")->isDefault());
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(rig.Find(QString("picM(%1)").arg(i))->isEnabled()) << i;
        EXPECT_EQ(rig.Find<QLabel>(QString("txtName(%1)").arg(i))->text(), QString("Unknown%1").arg(i + 1));
    }
    EXPECT_TRUE(rig.window->Timer(GameTimer::timPlay).isActive());
    EXPECT_TRUE(rig.window->Timer(GameTimer::Timer1).isActive());
    EXPECT_FALSE(rig.window->Timer(GameTimer::timGo).isActive());
    EXPECT_EQ(rig.window->Timer(GameTimer::timGo).interval(), 500);
}

TEST(BoardLoad, TheBackgroundCoversTheWholeClientArea) {
    BoardRig rig;
    EXPECT_TRUE(rig.window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(rig.Find("imgPic")->geometry().contains(rig.window->rect()));
}

TEST(BoardLoad, ReadsTheRecordsMarker) {
    QSettings settings("Vantry", "Vantry");
    settings.setValue("Records/Boolean", "True");
    settings.sync();
    {
        BoardRig rig;
        EXPECT_TRUE(rig.state.RecordsStored);
    }
    settings.remove("Records/Boolean");
    settings.sync();
    BoardRig rig;
    EXPECT_FALSE(rig.state.RecordsStored);
}

TEST(BoardLayoutTables, LaddersHaveTwoRailsAndTheirRungs) {
    const auto lines = LadderLines();
    int rails = 0;
    int rungs = 0;
    for (const BoardLine& l : lines) {
        if (l.line.x1 == l.line.x2) {
            ++rails;
            EXPECT_FLOAT_EQ(l.widthPx, 5.0f);
        } else {
            ++rungs;
            EXPECT_FLOAT_EQ(l.widthPx, 2.0f);
        }
    }
    EXPECT_EQ(rails, 18);  // Line1(0..17)
    EXPECT_EQ(rungs, 71);  // Line7(0..70)
}

TEST(BoardLayoutTables, TurnsJoinTheEndsOfConsecutiveStrips) {
    const auto turns = TurnLines();
    ASSERT_EQ(turns.size(), 9u);
    EXPECT_FLOAT_EQ(turns[0].line.x1, 240.0f);  // rows 1-2 turn on the left
    EXPECT_FLOAT_EQ(turns[0].line.y1, 7440.0f);
    EXPECT_FLOAT_EQ(turns[0].line.y2, 8040.0f);
    EXPECT_FLOAT_EQ(turns[1].line.x1, 10680.0f);  // rows 2-3 on the right
    EXPECT_FLOAT_EQ(turns[8].line.y1, 720.0f);    // rows 9-10 end on row 9's ruled edge
    EXPECT_FLOAT_EQ(turns[8].line.y2, 1305.0f);
    // Every tick linM and two edges per strip.
    EXPECT_EQ(TrackLines().size(), 101u + 9u + 20u);
}

}  // namespace
TEST(BoardNames, LongNamesShrinkToFitTheirLabelAndKeepTheWholeName) {
    BoardRig rig;
    auto* label = rig.Find<QLabel>("txtName(2)");
    ASSERT_NE(label, nullptr);
    const QString designName = "Unknown3";
    EXPECT_EQ(label->text(), designName);
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(designName), label->width());

    const QString longName = "Bartholomew Longname";
    rig.engine.SetName(2, longName.toStdString());
    EXPECT_EQ(label->text(), longName);
    EXPECT_EQ(label->toolTip(), longName);
    EXPECT_LT(label->font().pointSize(), 8);
    EXPECT_GE(label->font().pointSize(), 6);

    rig.engine.SetName(2, "Ann");
    EXPECT_EQ(label->font().pointSize(), 8);
}

}  // namespace vantry::test
