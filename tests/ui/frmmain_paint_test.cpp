#include <gtest/gtest.h>

#include <QLabel>
#include <QPaintEvent>
#include <QTest>

#include "boardrig.h"
#include "media/svgpicture.h"

namespace vantry::test {
namespace {

// Every paint any widget of the board gets, as a region in the window's coordinates.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* window) : window_(window) {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            painted += static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(window_, QPoint(0, 0)));
            ++paints;
        }
        return false;
    }

    QRegion painted;
    int paints = 0;

private:
    QWidget* window_;
};

// Lets every posted update reach the screen; a widget just shown is painted a pass later.
void Settle() {
    for (int pass = 0; pass < 5; ++pass) QTest::qWait(10);
}

// A shown board with its first frames painted, so that what follows paints only what changes.
struct ShownBoard {
    ShownBoard() {
        rig.window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(rig.window.get()));
        for (GameTimer t : {GameTimer::Timer1, GameTimer::timPlay, GameTimer::timGo}) rig.window->Timer(t).stop();
        Settle();
    }
    QRect Geometry(const QString& name) const { return rig.Find(name)->geometry(); }

    BoardRig rig;
};

TEST(BoardPainting, ABlinkRepaintsTheBlinkingNameAlone) {
    ShownBoard board;
    const QRect name = board.Geometry("txtName(0)");
    for (int tick = 0; tick < 2; ++tick) {  // hidden, then shown again
        SCOPED_TRACE(tick);
        PaintRecorder recorder(board.rig.window.get());
        board.rig.window->Timer1_Timer();
        Settle();
        EXPECT_GT(recorder.paints, 0);
        EXPECT_EQ(recorder.painted.boundingRect(), name);
    }
}

TEST(BoardPainting, ACounterPutInPlaceRepaintsWhereItWasAndWhereItGoes) {
    ShownBoard board;
    const QRect from = board.Geometry("picM(2)");
    PaintRecorder recorder(board.rig.window.get());
    // Placed as a loaded game places it: at once, without travel.
    board.rig.state.Counters[2].left -= 1500.0f;
    board.rig.StandAsPlaced();
    Settle();
    const QRect to = board.Geometry("picM(2)");
    ASSERT_NE(from, to);
    EXPECT_TRUE(recorder.painted.contains(from));
    EXPECT_TRUE(recorder.painted.contains(to));
    EXPECT_TRUE((recorder.painted - QRegion(from) - QRegion(to)).isEmpty());
}

TEST(BoardPainting, PicturesAreDrawnOnceAndRepaintedFromWhatTheRendererKeeps) {
    ShownBoard board;
    std::vector<std::pair<SvgPicture*, qint64>> before;
    for (SvgPicture* picture : board.rig.window->findChildren<SvgPicture*>()) {
        before.emplace_back(picture, picture->currentImage().cacheKey());
    }
    ASSERT_EQ(before.size(), 10u);  // background, house, FILE and seven snakes
    board.rig.window->repaint();
    board.rig.window->Timer1_Timer();
    Settle();
    for (const auto& [picture, key] : before) EXPECT_EQ(picture->currentImage().cacheKey(), key) << picture->objectName().toStdString();
}

// A blink or a gliding counter repaints a small part of the board; each painted layer (the
// track, the numbers, the ladders and the turns) must draw that part as it draws it in a whole
// painting. Tiles of odd sizes cut the lines and the numbers at many offsets.
TEST(BoardPainting, APartRepaintedAloneLooksAsInTheWholeLayer) {
    ShownBoard board;
    for (const char* name : {"linM", "lblCtr", "Line1", "Line8"}) {
        QWidget* layer = board.rig.Find(name);
        ASSERT_NE(layer, nullptr) << name;
        QImage whole(layer->size(), QImage::Format_ARGB32_Premultiplied);
        whole.fill(Qt::transparent);
        layer->render(&whole, QPoint(), QRegion(), QWidget::DrawChildren);
        for (const QSize tile : {QSize(37, 23), QSize(11, 53)}) {
            for (int y = 0; y < whole.height(); y += tile.height()) {
                for (int x = 0; x < whole.width(); x += tile.width()) {
                    const QRect part = QRect(QPoint(x, y), tile) & whole.rect();
                    QImage alone(whole.size(), QImage::Format_ARGB32_Premultiplied);
                    alone.fill(Qt::transparent);
                    layer->render(&alone, part.topLeft(), QRegion(part), QWidget::DrawChildren);
                    ASSERT_EQ(alone.copy(part), whole.copy(part))
                        << name << ", part at " << x << "," << y << " of " << tile.width() << "x" << tile.height();
                }
            }
        }
    }
}

}  // namespace
}  // namespace vantry::test
