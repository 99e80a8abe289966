#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>

#include "application.h"
#include "media/cueplayer.h"
#include "board/filemenu.h"
#include "isolatedstores.h"
#include "qstringprinter.h"
#include "recordinglistener.h"
#include "scriptedprompter.h"

namespace vantry::test {

// Acts on the program's modal windows as they come up, from inside their own event loops: each
// expected window, matched by its object name, gets one action. A window nobody expected, or
// any window still up when the time is spent, is failed and dismissed, so a fault in the wiring
// fails the test instead of hanging it.
class ModalDriver {
public:
    using Action = std::function<void(QDialog&)>;

    explicit ModalDriver(int budgetMs = 15000) : deadline_(budgetMs) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start();
    }
    ~ModalDriver() {
        EXPECT_TRUE(steps_.empty()) << steps_.size() << " expected window(s) never came up, the next "
                                    << steps_.front().name.toStdString();
    }

    void Expect(const QString& name, Action action) { steps_.push_back({name, std::move(action)}); }
    bool Done() const { return steps_.empty(); }

    // The object names of the windows acted on, in order.
    QStringList seen;

private:
    struct Step {
        QString name;
        Action action;
    };

    void Poll() {
        if (busy_) return;
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        if (deadline_.hasExpired() || steps_.empty() || steps_.front().name != dialog->objectName()) {
            ADD_FAILURE() << "unexpected or unanswered modal window " << dialog->objectName().toStdString();
            dialog->reject();
            return;
        }
        const Step step = steps_.front();
        steps_.pop_front();
        seen << step.name;
        busy_ = true;
        step.action(*dialog);
        busy_ = false;
    }

    std::deque<Step> steps_;
    QDeadlineTimer deadline_;
    QTimer poll_;
    bool busy_ = false;
};

class SilentCues : public CuePlayer {
public:
    bool Play(const QString&) override { return true; }
};

// Clicks the named button of a window; a missing one fails the test.
inline void Click(QWidget& window, const QString& name) {
    auto* button = window.findChild<QAbstractButton*>(name);
    if (!button) {
        ADD_FAILURE() << "no button " << name.toStdString() << " in " << window.objectName().toStdString();
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

inline QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(name).arg(i); }

// One seat of the new-game dialog as a user fills it in: a person typing a name, or the computer
// with a name picked from the list (or typed when it is not in the list).
struct SeatChoice {
    bool computer = false;
    QString name;
};
using SeatChoices = std::array<SeatChoice, SeatCount>;

inline void FillSeats(QDialog& dialog, const SeatChoices& seats) {
    for (int i = 0; i < SeatCount; ++i) {
        const SeatChoice& seat = seats[static_cast<std::size_t>(i)];
        Click(dialog, Indexed(seat.computer ? "optCom" : "optPer", i));
        if (seat.computer) {
            auto* combo = dialog.findChild<QComboBox*>(Indexed("cmbNew", i));
            ASSERT_NE(combo, nullptr);
            const int listed = combo->findText(seat.name);
            if (listed >= 0) {
                combo->setCurrentIndex(listed);
            } else {
                combo->lineEdit()->clear();
                QTest::keyClicks(combo->lineEdit(), seat.name);
            }
        } else {
            auto* text = dialog.findChild<QLineEdit*>(Indexed("txtNew", i));
            ASSERT_NE(text, nullptr);
            text->clear();
            QTest::keyClicks(text, seat.name);
        }
    }
}

// The 17 lines of a saved game, given seat by seat (0..3) as the board keeps them.
struct SavedSeat {
    bool computer = false;
    int moves = 0;
    int position = 0;
    QString name;
};

inline QByteArray SavedGameBytes(const std::array<SavedSeat, SeatCount>& seats, int current) {
    static constexpr std::array<int, 4> order{1, 3, 0, 2};
    QByteArray text;
    const auto line = [&text](const QString& s) { text += s.toUtf8() + "\r\n"; };
    const auto number = [&line](int n) { line(QStringLiteral(" %1 ").arg(n)); };
    for (int seat : order) line(seats[static_cast<std::size_t>(seat)].computer ? "True" : "False");
    for (int seat : order) {
        number(seats[static_cast<std::size_t>(seat)].moves);
        number(seats[static_cast<std::size_t>(seat)].position);
        if (seat == 0) number(current);
    }
    for (int seat : order) line(seats[static_cast<std::size_t>(seat)].name);
    return text;
}

// The whole program over isolated settings, a temporary folder for its saved games, scripted
// dialogs and die, and no sound. The game timers tick fast so a game runs through in moments.
class AppTest : public ::testing::Test {
protected:
    static constexpr int TickMs = 4;

    void SetUp() override {
        ASSERT_TRUE(stores.valid());
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override {
        if (app) app->Board().CloseWithoutAsking();
    }

    // Makes the program; the board window loads (and reads the records flag) here.
    Application& Make(frmRec::ExitAction exitProgram = [] {}) {
        app = std::make_unique<Application>(Application::Services{prompter, random, std::move(exitProgram),
                                                                  [this](const QUrl& url) { opened << url; }});
        Board().Cues().SetPlayer(std::make_unique<SilentCues>());
        for (GameTimer t : {GameTimer::timPlay, GameTimer::timGo, GameTimer::Timer1}) {
            Board().Timer(t).setInterval(TickMs);
        }
        return *app;
    }

    frmMain& Board() { return app->Board(); }
    GameState& State() { return app->State(); }
    bool TimerOn(GameTimer t) { return Board().Timer(t).isActive(); }
    std::array<bool, 3> Timers() {
        return {TimerOn(GameTimer::Timer1), TimerOn(GameTimer::timPlay), TimerOn(GameTimer::timGo)};
    }
    QStringList Names() {
        QStringList names;
        for (int i = 0; i < SeatCount; ++i) names << QString::fromStdString(State().Names[static_cast<std::size_t>(i)]);
        return names;
    }
    QString PathOf(const QString& fileName) const { return folder.filePath(fileName); }
    QString WriteGame(const QString& fileName, const std::array<SavedSeat, SeatCount>& seats, int current) {
        const QString path = PathOf(fileName);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(SavedGameBytes(seats, current)) > 0);
        return path;
    }
    // Lets the event loop run until `done` holds, for at most a few seconds.
    static bool WaitFor(const std::function<bool()>& done, int ms = 10000) { return QTest::qWaitFor(done, ms); }
    static QString Record(const QString& key) {
        return QSettings("Vantry", "Vantry").value("Records/" + key).toString();
    }
    static QStringList RecordKeys() {
        QSettings settings("Vantry", "Vantry");
        settings.beginGroup("Records");
        return settings.childKeys();
    }

    IsolatedStores stores;
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    ScriptedRandom random{{ScriptedRandom::For(6)}};
    QList<QUrl> opened;
    std::unique_ptr<Application> app;
};

}  // namespace vantry::test
