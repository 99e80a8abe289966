#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "fakeboardwindow.h"
#include "newgameparts.h"
#include "dialogs/frmnew.h"
#include "qstringprinter.h"
#include "scriptedprompter.h"

namespace vantry::test {
namespace {

const QStringList Presets{"Daxo", "Bart", "Elayne", "Ethel", "Gax", "Harly", "Jaspar", "Marvin", "Maurice", "Robin", "Roswell"};
const QStringList DesignNames{"Unknown1", "Unknown2", "Unknown3", "Unknown4"};
const std::array<bool, 3> Running{true, true, false};

QString Seat(const char* name, int i) { return QString("%1(%2)").arg(name).arg(i); }

// The named control a focused widget belongs to (an editable combo box focuses its line edit).
QString NamedOwner(QWidget* w) {
    while (w && !w->objectName().contains('(') && !w->objectName().startsWith("cmd")) w = w->parentWidget();
    return w ? w->objectName() : QString("<none>");
}

class FrmNewTest : public ::testing::Test, protected NewGameParts {
protected:
    void SetUp() override { dialog = new frmNew(engine, board, commands, prompter, random, &owner); }

    template <typename T>
    T* Find(const QString& name) const {
        T* w = dialog->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QPushButton* Button(const QString& name) const { return Find<QPushButton>(name); }
    QLineEdit* Text(int i) const { return Find<QLineEdit>(Seat("txtNew", i)); }
    QComboBox* Combo(int i) const { return Find<QComboBox>(Seat("cmbNew", i)); }
    void Click(const QString& name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void ShowActive() {
        dialog->show();
        QApplication::setActiveWindow(dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }

    QPointer<frmNew> dialog;
};

TEST_F(FrmNewTest, LoadsInTheDesignState) {
    EXPECT_EQ(dialog->windowTitle(), "Vantry - New Game");
    EXPECT_EQ(Timers(), (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(dialog->size(), QSize(310, 305));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dialog->parentWidget(), &owner);
    owner.setGeometry(100, 100, 792, 573);
    owner.show();
    dialog->show();
    EXPECT_LE((dialog->geometry().center() - owner.geometry().center()).manhattanLength(), 2);

    const QStringList titles{"Red", "Blue", "Yellow", "Green"};
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0), QColor(0, 255, 0)};
    const QColor texts[] = {Qt::white, Qt::white, Qt::black, Qt::black};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        auto* frame = Find<QGroupBox>(Seat("Frame2", i));
        EXPECT_EQ(frame->title(), titles[i]);
        EXPECT_EQ(frame->palette().color(QPalette::WindowText), colours[i]);
        auto* label = Find<QLabel>(Seat("Label4", i));
        EXPECT_EQ(label->text(), "&Name:");
        EXPECT_NE(label->palette().color(QPalette::WindowText), colours[i]);
        EXPECT_EQ(label->buddy(), i == 0 ? static_cast<QWidget*>(Text(i)) : Combo(i));
        EXPECT_EQ(Text(i)->isHidden(), i != 0);
        EXPECT_EQ(Combo(i)->isHidden(), i == 0);
        EXPECT_TRUE(Text(i)->text().isEmpty());
        EXPECT_EQ(Combo(i)->currentText(), "Select");
        EXPECT_TRUE(Combo(i)->isEditable());
        QStringList items;
        for (int k = 0; k < Combo(i)->count(); ++k) items << Combo(i)->itemText(k);
        EXPECT_EQ(items, Presets);
        for (QWidget* box : {static_cast<QWidget*>(Text(i)), static_cast<QWidget*>(Combo(i))}) {
            EXPECT_EQ(box->palette().color(QPalette::Base), colours[i]);
            EXPECT_EQ(box->palette().color(QPalette::Text), texts[i]);
        }
        for (const char* kind : {"optCom", "optPer"}) {
            QPushButton* b = Button(Seat(kind, i));
            EXPECT_TRUE(b->isCheckable());
            EXPECT_FALSE(b->isChecked());
            EXPECT_FALSE(b->icon().pixmap(32, 32).isNull()) << kind;
            EXPECT_EQ(b->parentWidget()->objectName(), Seat("Frame1", i));
        }
    }
    EXPECT_TRUE(Button("cmdStart")->isDefault());
    EXPECT_EQ(Button("cmdStart")->text(), "&Start Game");
    EXPECT_EQ(Button("cmdRandom")->text(), "&Randomize");
    EXPECT_EQ(Button("cmdOpen")->text(), "&Open Game");
}

// The seats stand one under another inside the dialog; a seat's label may widen for its text,
// but never over its name box.
TEST_F(FrmNewTest, SeatsStackAndTheNameLabelKeepsClearOfItsBox) {
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QRect seat = Find<QWidget>(Seat("Frame2", i))->geometry();
        EXPECT_TRUE(dialog->rect().contains(seat));
        if (i > 0) {
            EXPECT_GT(seat.top(), Find<QWidget>(Seat("Frame2", i - 1))->geometry().bottom());
        }
        const QRect label = Find<QWidget>(Seat("Label4", i))->geometry();
        EXPECT_LT(label.right(), Text(i)->geometry().left());
        EXPECT_LT(label.right(), Combo(i)->geometry().left());
    }
    for (const char* name : {"cmdStart", "cmdRandom", "cmdOpen"}) {
        EXPECT_GT(Find<QWidget>(name)->y(), Find<QWidget>(Seat("Frame2", 3))->geometry().bottom()) << name;
        EXPECT_TRUE(dialog->rect().contains(Find<QWidget>(name)->geometry())) << name;
    }
}

TEST_F(FrmNewTest, StartAtOnceChecksNothingAndNamesFromTheBoxesOnShow) {
    dialog->show();
    state.IsComputer = {false, true, false, true};
    Click("cmdStart");
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(Names(), (QStringList{"", "Select", "Select", "Select"}));
    EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(commands.resets, 1);
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_EQ(board.shown, 1);
}

TEST_F(FrmNewTest, ComputerSeatNeedsANameChosenFromTheList) {
    dialog->show();
    Click("optCom(0)");
    EXPECT_TRUE(Text(0)->isHidden());
    EXPECT_FALSE(Combo(0)->isHidden());
    Click("cmdStart");
    EXPECT_EQ(prompter.messages, QStringList{"Please Select the Name!"});
    EXPECT_EQ(NamedOwner(dialog->focusWidget()), "cmbNew(0)");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(commands.resets, 0);

    Combo(0)->setCurrentIndex(0);
    Click("cmdStart");
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(Name(0), "Daxo");
    EXPECT_TRUE(state.IsComputer[0]);
    EXPECT_EQ(commands.resets, 1);
    EXPECT_TRUE(dialog->isHidden());
}

TEST_F(FrmNewTest, TypedNamesAreTakenAsTheyStandEvenTwice) {
    dialog->show();
    Click("optPer(0)");
    QTest::keyClicks(Text(0), "Ann");
    Click("optCom(1)");
    Combo(1)->lineEdit()->clear();
    QTest::keyClicks(Combo(1)->lineEdit(), "Ann");
    Click("optCom(2)");
    Combo(2)->lineEdit()->clear();
    QTest::keyClicks(Combo(2)->lineEdit(), "Hal");
    Click("cmdStart");
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(Names(), (QStringList{"Ann", "Ann", "Hal", "Select"}));
    EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{false, true, true, false}));
    EXPECT_EQ(Combo(2)->count(), 11);
}

TEST_F(FrmNewTest, KindButtonsSwapTheBoxAndTheHiddenOneKeepsItsText) {
    QTest::keyClicks(Text(0), "Ann");
    Click("optCom(0)");
    EXPECT_EQ(Find<QLabel>("Label4(0)")->buddy(), Combo(0));
    Click("optPer(0)");
    EXPECT_FALSE(Button("optCom(0)")->isChecked());
    EXPECT_TRUE(Button("optPer(0)")->isChecked());
    EXPECT_FALSE(Text(0)->isHidden());
    EXPECT_TRUE(Combo(0)->isHidden());
    EXPECT_EQ(Text(0)->text(), "Ann");
    EXPECT_EQ(Combo(0)->currentText(), "Select");
    EXPECT_FALSE(Button("optPer(1)")->isChecked());
}

// The pressed kind button wears its seat's colour in a thick frame; the other button of the
// seat, and every button before a kind is picked, does not.
TEST_F(FrmNewTest, APressedKindButtonIsFramedInItsSeatsColour) {
    const std::array<QColor, 4> colours{QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0), QColor(0, 255, 0)};
    const QPoint inFrame(2, 2);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const char* pressed = i % 2 == 0 ? "optCom" : "optPer";
        const char* other = i % 2 == 0 ? "optPer" : "optCom";
        EXPECT_NE(Button(Seat(pressed, i))->grab().toImage().pixelColor(inFrame), colours[i]);
        Click(Seat(pressed, i));
        EXPECT_EQ(Button(Seat(pressed, i))->grab().toImage().pixelColor(inFrame), colours[i]);
        EXPECT_NE(Button(Seat(other, i))->grab().toImage().pixelColor(inFrame), colours[i]);
    }
}

TEST_F(FrmNewTest, RandomizeDrawsANameIntoEveryComboAndNothingElse) {
    Click("optPer(0)");
    QTest::keyClicks(Text(0), "Ann");
    Click("optPer(2)");
    QTest::keyClicks(Text(2), "Eve");
    Click("optCom(1)");
    random.Script({0.0f, 0.3f, 0.6f, 0.99f});
    board.log.clear();
    Click("cmdRandom");
    QStringList combos;
    for (int i = 0; i < 4; ++i) combos << Combo(i)->currentText();
    EXPECT_EQ(combos, (QStringList{"Daxo", "Ethel", "Jaspar", "Roswell"}));
    EXPECT_EQ(random.reseeds, 5);
    EXPECT_EQ(Text(0)->text(), "Ann");
    EXPECT_EQ(Text(2)->text(), "Eve");
    EXPECT_TRUE(Button("optPer(0)")->isChecked());
    EXPECT_TRUE(Button("optCom(1)")->isChecked());
    EXPECT_FALSE(Button("optCom(3)")->isChecked() || Button("optPer(3)")->isChecked());
    EXPECT_TRUE(Combo(0)->isHidden());
    EXPECT_TRUE(board.log.isEmpty());
    EXPECT_EQ(Names(), DesignNames);
}

TEST_F(FrmNewTest, LaterSeatRefusedAfterEarlierSeatsWereSet) {
    dialog->show();
    Click("optPer(0)");
    QTest::keyClicks(Text(0), "Ann");
    Click("optCom(1)");
    Combo(1)->setCurrentIndex(1);
    Click("optPer(2)");
    Click("cmdStart");
    EXPECT_EQ(prompter.messages, QStringList{"Please type the Name!"});
    EXPECT_EQ(Names(), (QStringList{"Ann", "Bart", "Unknown3", "Unknown4"}));
    EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(commands.resets, 0);
    EXPECT_EQ(dialog->focusWidget(), Text(2));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FrmNewTest, NamesTheSavedGameCannotCarryAreRefused) {
    const struct {
        const char* kind;
        QString name;
        QString message;
    } cases[] = {
        {"optPer", "\"Ann\"", "A name cannot begin with a double quote (\")."},
        {"optPer", "Ann, \"B\"", "A name with a comma or a leading blank cannot also hold a double quote (\")."},
        {"optCom", " Ha\"l", "A name with a comma or a leading blank cannot also hold a double quote (\")."},
    };
    dialog->show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        prompter.messages.clear();
        Click(Seat(c.kind, 3));
        QLineEdit* box = std::string(c.kind) == "optPer" ? Text(3) : Combo(3)->lineEdit();
        box->setText(c.name);
        Click("cmdStart");
        EXPECT_EQ(prompter.messages, QStringList{c.message});
        EXPECT_EQ(NamedOwner(dialog->focusWidget()), std::string(c.kind) == "optPer" ? "txtNew(3)" : "cmbNew(3)");
        EXPECT_EQ(Name(3), "Unknown4");
        EXPECT_EQ(commands.resets, 0);
    }
    Text(3)->setText("   ");
    Click("optPer(3)");
    Click("cmdStart");
    EXPECT_EQ(Name(3), "   ");
    EXPECT_EQ(commands.resets, 1);
}

// A name stands on one line on the board and in the saved game, however it reached the box;
// "&Start Game" takes the boxes' text as it stands.
TEST_F(FrmNewTest, PastedLineBreaksAndControlCharactersDoNotReachAName) {
    const struct {
        const char* what;
        QString pasted;
        QString name;
    } cases[] = {
        {"a line break between words", "Ann\nSmith", "Ann Smith"},
        {"line ends and a tab around words", "\r\nAnn\r\n\tSmith\r\n", "Ann Smith"},
        {"a line separator", QString("Ann") + QChar(0x2028) + "Smith", "Ann Smith"},
        {"other control characters", QString("A\x01nn\x7f") + QChar(0x85) + "Bo", "Ann Bo"},
    };
    dialog->show();
    Click("optPer(0)");
    Click("optCom(1)");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QApplication::clipboard()->setText(c.pasted);
        for (QLineEdit* box : {Text(0), Combo(1)->lineEdit()}) {
            box->clear();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(box->text(), c.name);
        }
    }
}

TEST_F(FrmNewTest, OpenGameHandsOverToTheFileCommand) {
    dialog->show();
    board.log.clear();
    bool hiddenFirst = false;
    board.onShowWindow = [&] { hiddenFirst = dialog->isHidden(); };
    Click("cmdOpen");
    EXPECT_TRUE(hiddenFirst);
    EXPECT_FALSE(dialog->Unloaded());
    EXPECT_EQ(board.log, (QStringList{"ShowWindow", "ResetBoard", "replaced", "Timer1 on", "timPlay on", "OpenGame"}));
}

TEST_F(FrmNewTest, CloseBoxAtFirstStartLetsTheBoardGoOnAndUnloads) {
    dialog->show();
    board.log.clear();
    dialog->close();
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_TRUE(dialog->Unloaded());
    EXPECT_EQ(board.log, (QStringList{"ShowWindow", "Timer1 on", "timPlay on"}));
    EXPECT_EQ(Names(), DesignNames);
    EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{false, false, false, false}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(FrmNewTest, CloseBoxOverAGameWhoseFirstSeatIsUnknownResetsTheBoard) {
    state.Names = {"Unknown", "Bart", "Eve", "Robin"};
    boardLog.Drawn();
    dialog->show();
    dialog->close();
    EXPECT_EQ(Names(), (QStringList{"Unknown", "Unknown", "Unknown", "Unknown"}));
    EXPECT_EQ(commands.resets, 1);
    EXPECT_EQ(Timers(), Running);
}

TEST_F(FrmNewTest, EscapeFromASeatsControlsHidesAndResumes) {
    for (const char* name : {"txtNew(0)", "cmbNew(1)", "optCom(2)", "optPer(3)"}) {
        SCOPED_TRACE(name);
        ShowActive();
        state.TimerOn = {false, false, false};
        boardLog.Drawn();
        board.log.clear();
        QWidget* target = Find<QWidget>(name);
        target->setFocus();
        ASSERT_EQ(NamedOwner(QApplication::focusWidget()), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(dialog->isHidden());
        EXPECT_FALSE(dialog->Unloaded());
        EXPECT_EQ(board.log, (QStringList{"Timer1 on", "timPlay on"}));
    }
    EXPECT_EQ(commands.resets, 0);
    EXPECT_EQ(Names(), DesignNames);
}

TEST_F(FrmNewTest, EscapeOnACommandButtonDoesNothing) {
    ShowActive();
    board.log.clear();
    for (const char* name : {"cmdStart", "cmdRandom", "cmdOpen"}) {
        SCOPED_TRACE(name);
        Button(name)->setFocus();
        ASSERT_EQ(NamedOwner(QApplication::focusWidget()), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_TRUE(board.log.isEmpty());
    EXPECT_EQ(Timers(), (std::array<bool, 3>{false, false, false}));
}

TEST_F(FrmNewTest, EnterInANameBoxStartsTheGame) {
    for (const char* name : {"txtNew(0)", "cmbNew(1)"}) {
        SCOPED_TRACE(name);
        ShowActive();
        Find<QWidget>(name)->setFocus();
        const int before = commands.resets;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(commands.resets, before + 1);
        EXPECT_TRUE(dialog->isHidden());
    }
}

TEST_F(FrmNewTest, FocusChainRunsThroughTheSeatsTopToBottomThenTheButtons) {
    QStringList chain;
    QWidget* w = Text(0);
    do {
        const QString name = NamedOwner(w);
        if (name != "<none>" && !name.startsWith("Frame") && !name.startsWith("Label") &&
            (chain.isEmpty() || chain.back() != name)) {
            chain << name;
        }
        w = w->nextInFocusChain();
    } while (w != Text(0));
    EXPECT_EQ(chain, (QStringList{"txtNew(0)", "cmbNew(0)", "optPer(0)", "optCom(0)", "chkRemote(0)",
                                  "optCom(1)", "optPer(1)", "cmbNew(1)", "txtNew(1)", "chkRemote(1)",
                                  "optCom(2)", "optPer(2)", "cmbNew(2)", "txtNew(2)", "chkRemote(2)",
                                  "optCom(3)", "optPer(3)", "cmbNew(3)", "txtNew(3)", "chkRemote(3)",
                                  "cmdStart", "cmdRandom", "cmdOpen"}));
}

TEST_F(FrmNewTest, TabStopsAtTheBoxOnShowAndAtOneKindButtonPerSeat) {
    // Like option buttons, a seat's kind buttons take one tab stop: the pressed one, or the
    // first in order while neither is.
    const auto walk = [this](QWidget* from) {
        from->setFocus();
        QStringList seen;
        for (int k = 0; k < 16; ++k) {
            seen << NamedOwner(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return seen;
    };
    ShowActive();
    EXPECT_EQ(walk(Text(0)), (QStringList{"txtNew(0)", "optPer(0)", "chkRemote(0)", "optCom(1)", "cmbNew(1)",
                                          "chkRemote(1)", "optCom(2)", "cmbNew(2)", "chkRemote(2)", "optCom(3)",
                                          "cmbNew(3)", "chkRemote(3)", "cmdStart", "cmdRandom", "cmdOpen", "txtNew(0)"}));
    Click("optCom(0)");
    Click("optPer(2)");
    // A computer's seat cannot go to another computer, so its box takes no stop.
    EXPECT_EQ(walk(Combo(0)), (QStringList{"cmbNew(0)", "optCom(0)", "optCom(1)", "cmbNew(1)", "chkRemote(1)",
                                           "optPer(2)", "txtNew(2)", "chkRemote(2)", "optCom(3)", "cmbNew(3)",
                                           "chkRemote(3)", "cmdStart", "cmdRandom", "cmdOpen", "cmbNew(0)", "optCom(0)"}));
}

}  // namespace
}  // namespace vantry::test
