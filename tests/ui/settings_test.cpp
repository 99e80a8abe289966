#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QImage>

#include <utility>

#include "arrangecounters.h"
#include "boardrig.h"
#include "board/clickpanel.h"
#include "board/countertravel.h"
#include "dialogs/frmsettings.h"
#include "playeroptions.h"

namespace vantry::test {
namespace {

constexpr float Height = 615.0f;

struct PaceCase {
    int listIndex;
    int pace;
};

// The pace picked in the window is the interval of the computer's two timers while the window
// is still open; the blink keeps its half second; and the longest move's travel (a six onto a
// snake's head and down its body) is over before the computer's next tick.
TEST(Settings, ThePacePickedReachesTheComputersTimersAndTravelEndsBeforeTheirTick) {
    const PaceCase cases[] = {{2, 250}, {0, 1000}, {1, 500}};
    for (const PaceCase& c : cases) {
        SCOPED_TRACE(c.pace);
        BoardRig rig;
        PlayerOptions start;
        start.pace = c.pace == 500 ? 250 : 500;  // the list must really move
        frmSettings settings(start, [&](const PlayerOptions& o) { rig.window->ApplyOptions(o); }, nullptr);
        auto* pace = settings.findChild<QComboBox*>("cmbPace");
        ASSERT_NE(pace, nullptr);
        pace->setCurrentIndex(c.listIndex);
        EXPECT_EQ(settings.Options().pace, c.pace);
        EXPECT_EQ(rig.window->Timer(GameTimer::timPlay).interval(), c.pace);
        EXPECT_EQ(rig.window->Timer(GameTimer::timGo).interval(), c.pace);
        EXPECT_EQ(rig.window->Timer(GameTimer::Timer1).interval(), 500);

        rig.state.Position[0] = 41;  // square 42; a six reaches the snake on 48
        PlaceCounter(rig.state.Counters[0], 41, Height);
        rig.StandAsPlaced();
        rig.random.Script({ScriptedRandom::For(6)});
        rig.window->GameEngine().Throw();
        rig.window->cmdGo_Click();
        ASSERT_EQ(rig.state.Position[0], 13);
        CounterTravel& travel = rig.window->Travel();
        ASSERT_TRUE(travel.Travelling(0));
        travel.Frame(travel.Now() + std::min(c.pace, PlayerOptions::DesignedPace) - 1);
        EXPECT_FALSE(travel.Travelling(0));
    }
}

// A screen reader finds the choice a list shows: Qt's own reading gives it nothing to find, and
// it says only the label and "combo box". (That a new choice is told while the list has the
// focus needs a screen reader's bus, which the offscreen platform does not have.)
TEST(Settings, EachListIsReadWithTheChoiceItShows) {
    frmSettings settings(PlayerOptions{}, [](const PlayerOptions&) {}, nullptr);
    for (const char* name : {"cmbPace", "cmbLanguage"}) {
        SCOPED_TRACE(name);
        auto* list = settings.findChild<QComboBox*>(name);
        ASSERT_NE(list, nullptr);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(list);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->role(), QAccessible::ComboBox);
        EXPECT_FALSE(read->text(QAccessible::Name).isEmpty());
        QAccessibleTextInterface* text = read->textInterface();
        ASSERT_NE(text, nullptr);
        list->setCurrentIndex(2);
        EXPECT_EQ(text->text(0, text->characterCount()), list->itemText(2));
        // All of it selected, as it is the list's selection: a screen reader speaks a selected
        // text that arrives, and stays silent on one that merely changes.
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, text->characterCount()));
    }
}

// Which pixels of a counter stand out from its seat's fill, inside its border.
QImage MarkPixels(ClickPanel* counter, const QColor& fill) {
    const QImage drawn = counter->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage mask(drawn.size(), QImage::Format_Mono);
    mask.fill(0);
    for (int y = 1; y < drawn.height() - 1; ++y) {
        for (int x = 1; x < drawn.width() - 1; ++x) {
            if (drawn.pixelColor(x, y) != fill) mask.setPixel(x, y, 1);
        }
    }
    return mask;
}

int Count(const QImage& mask) {
    int n = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) n += mask.pixelIndex(x, y);
    }
    return n;
}

int Differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) n += a.pixelIndex(x, y) != b.pixelIndex(x, y) ? 1 : 0;
    }
    return n;
}

TEST(BoardPainting, EachCounterCarriesAShapeOfItsOwnUntilMarksAreTurnedOff) {
    BoardRig rig;
    const QColor fills[] = {Qt::red, Qt::blue, Qt::yellow, Qt::green};
    std::vector<QImage> marks;
    for (int i = 0; i < 4; ++i) {
        auto* counter = rig.Find<ClickPanel>(QString("picM(%1)").arg(i));
        ASSERT_NE(counter, nullptr);
        marks.push_back(MarkPixels(counter, fills[i]));
        // Well visible on the counter's 17 pixels' width, yet clear of its edges.
        EXPECT_GT(Count(marks.back()), 50) << i;
    }
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) EXPECT_GT(Differing(marks[a], marks[b]), 8) << a << " and " << b;
    }

    PlayerOptions plain;
    plain.marks = false;
    rig.window->ApplyOptions(plain);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Count(MarkPixels(rig.Find<ClickPanel>(QString("picM(%1)").arg(i)), fills[i])), 0) << i;
    }
}

}  // namespace
}  // namespace vantry::test
