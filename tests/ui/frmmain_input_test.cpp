#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "boardrig.h"
#include "board/filemenu.h"
#include "board/keytable.h"

namespace vantry::test {
namespace {

struct KeyCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    KeyCommand command;
};

TEST(KeyTable, CtrlAloneRunsTheFileCommandsAndSpaceAlwaysThrows) {
    const KeyCase cases[] = {
        {Qt::Key_Space, Qt::NoModifier, KeyCommand::Throw},
        {Qt::Key_Space, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, KeyCommand::Throw},
        {Qt::Key_N, Qt::ControlModifier, KeyCommand::New},
        {Qt::Key_O, Qt::ControlModifier, KeyCommand::Open},
        {Qt::Key_S, Qt::ControlModifier, KeyCommand::Save},
        {Qt::Key_A, Qt::ControlModifier, KeyCommand::About},
        {Qt::Key_Comma, Qt::ControlModifier, KeyCommand::Settings},
        {Qt::Key_Comma, Qt::NoModifier, KeyCommand::None},
        {Qt::Key_X, Qt::ControlModifier, KeyCommand::Exit},
        {Qt::Key_S, Qt::ControlModifier | Qt::KeypadModifier, KeyCommand::Save},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, KeyCommand::None},
        {Qt::Key_N, Qt::ControlModifier | Qt::AltModifier, KeyCommand::None},
        {Qt::Key_S, Qt::NoModifier, KeyCommand::None},
        {Qt::Key_S, Qt::ShiftModifier, KeyCommand::None},
        {Qt::Key_B, Qt::ControlModifier, KeyCommand::None},
        {Qt::Key_Return, Qt::NoModifier, KeyCommand::Go},
        {Qt::Key_Enter, Qt::KeypadModifier, KeyCommand::Go},
        {Qt::Key_Return, Qt::ControlModifier, KeyCommand::None},
        {Qt::Key_Menu, Qt::NoModifier, KeyCommand::Menu},
        {Qt::Key_F10, Qt::ShiftModifier, KeyCommand::Menu},
        {Qt::Key_F10, Qt::NoModifier, KeyCommand::None},
        {Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier, KeyCommand::None},
        {Qt::Key_Menu, Qt::ControlModifier, KeyCommand::None},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(KeyCommandFor(c.key, c.modifiers), c.command) << c.key << " " << c.modifiers;
    }
}

TEST(BoardKeys, EachPressRunsItsCommandOnce) {
    BoardRig rig;
    rig.window->show();
    QTest::keyClick(rig.window.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(rig.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(rig.window.get(), Qt::Key_S);
    EXPECT_EQ(rig.commands.saves, 1);

    QTest::keyClick(rig.window.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(rig.window.get(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(rig.commands.opens, 1);
    EXPECT_EQ(rig.commands.abouts, 1);

    QTest::keyClick(rig.window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(rig.commands.news, 1);

    rig.prompter.answers = {Prompter::Answer::Cancel};
    QTest::keyClick(rig.window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(rig.prompter.questions.size(), 1);
    EXPECT_TRUE(rig.window->isVisible());
}

TEST(BoardKeys, KeysReachTheHandlerFromAFocusedControl) {
    BoardRig rig;
    rig.window->show();
    rig.window->GameEngine().Throw();
    auto* go = rig.Find<QPushButton>("cmdGo");
    ASSERT_TRUE(go->isEnabled());
    go->setFocus();
    const int reseeds = rig.random.reseeds;
    // Space on the focused Go button throws again rather than pressing it.
    QTest::keyClick(go, Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(rig.random.reseeds, reseeds + 6);
    EXPECT_EQ(rig.state.CurrentPlayer, 0);
    QTest::keyClick(rig.Find("picToss(3)"), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(rig.commands.saves, 1);
}

TEST(BoardMenu, PopsUpAtTheFilePicturesCorner) {
    BoardRig rig;
    // Far enough left that the menu fits on the screen where it is asked to open.
    rig.window->move(-600, 0);
    rig.window->show();
    QWidget* file = rig.Find("imgFile");
    QTest::mouseClick(file, Qt::LeftButton, {}, QPoint(40, 15));
    FileMenu& menu = rig.window->Menu();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(rig.window->FileMenuCorner(), file->mapToGlobal(QPoint(0, 0)));
    EXPECT_EQ(menu.pos(), file->mapToGlobal(QPoint(0, 0)));
    menu.hide();
}

TEST(BoardMenu, MenuKeyAndShiftF10OpenItOnItsFirstEntry) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Menu, Qt::NoModifier},
                                                              {Qt::Key_F10, Qt::ShiftModifier}};
    for (const auto& [key, modifiers] : keys) {
        BoardRig rig;
        rig.window->move(-600, 0);
        rig.window->show();
        // From a focused control too, as the other board keys.
        QTest::keyClick(rig.Find("cmdGo"), key, modifiers);
        FileMenu& menu = rig.window->Menu();
        EXPECT_TRUE(menu.isVisible()) << key;
        EXPECT_EQ(menu.pos(), rig.window->FileMenuCorner()) << key;
        EXPECT_EQ(menu.activeAction(), menu.mnuFileAbout) << key;
        menu.hide();
        EXPECT_EQ(rig.commands.abouts + rig.commands.news + rig.commands.opens, 0);
    }
}

// "&About" and "Save &As..." share their letter: a press of it moves to the next entry that has
// it, and Enter runs the one it lands on.
TEST(BoardMenu, APressOfASharedLetterMovesToTheNextEntryWithIt) {
    BoardRig rig;
    rig.window->move(-600, 0);
    rig.window->show();
    QTest::keyClick(rig.Find("cmdGo"), Qt::Key_F10, Qt::ShiftModifier);
    FileMenu& menu = rig.window->Menu();
    ASSERT_TRUE(menu.isVisible());
    QTest::keyClick(&menu, Qt::Key_A);
    EXPECT_EQ(menu.activeAction(), menu.mnuFileSaveAs);
    QTest::keyClick(&menu, Qt::Key_A);
    EXPECT_EQ(menu.activeAction(), menu.mnuFileAbout);
    QTest::keyClick(&menu, Qt::Key_A);
    QTest::keyClick(&menu, Qt::Key_Return);
    EXPECT_EQ(rig.commands.saveAses, 1);
    EXPECT_EQ(rig.commands.abouts, 0);
}

TEST(BoardMenu, EntriesShowTheirShortcutsAndRunTheirCommands) {
    BoardRig rig;
    FileMenu& menu = rig.window->Menu();
    QStringList names;
    QStringList texts;
    for (QAction* a : menu.actions()) {
        names << a->objectName();
        texts << (a->isSeparator() ? "-" : a->text());
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
    }
    EXPECT_EQ(names, QStringList({"mnuFileAbout", "mnuFileSettings", "fdgf", "mnuFileNew", "mnuFileOpen", "mnuFileSave",
                                  "mnuFileSaveAs", "mnuFileInvite", "mnuFileJoin", "mnuFileLog", "mnuFileDat1", "mnuFileExit"}));
    EXPECT_EQ(texts, QStringList({"&About\tCtrl+A", "Se&ttings...\tCtrl+,", "-", "&New\tCtrl+N", "&Open\tCtrl+O",
                                  "&Save\tCtrl+S", "Save &As...", "&Invite Players...", "&Join Game...", "Game &Log\tL", "-", "&Exit\tCtrl+X"}));
    menu.mnuFileSaveAs->trigger();
    menu.mnuFileSave->trigger();
    menu.mnuFileSettings->trigger();
    EXPECT_EQ(rig.commands.settings, 1);
    EXPECT_EQ(rig.commands.saveAses, 1);
    EXPECT_EQ(rig.commands.saves, 1);
}

struct CloseCase {
    bool untitled;
    Prompter::Answer answer;
    bool saveResult;
    const char* question;
    bool closes;
    int saves;
};

TEST(BoardClose, AsksAndClosesOnlyWhenTheGameIsSafe) {
    const char* untitled = "Do you want to save your game?";
    const char* withFile = "Do you want to save changes on your game?";
    const CloseCase cases[] = {
        {true, Prompter::Answer::Cancel, true, untitled, false, 0},
        {false, Prompter::Answer::Cancel, true, withFile, false, 0},
        {false, Prompter::Answer::No, true, withFile, true, 0},
        {true, Prompter::Answer::Yes, true, untitled, true, 1},
        {true, Prompter::Answer::Yes, false, untitled, false, 1},
    };
    for (const CloseCase& c : cases) {
        BoardRig rig;
        rig.commands.untitled = c.untitled;
        rig.window->show();
        rig.prompter.answers = {c.answer};
        rig.commands.saveResult = c.saveResult;
        EXPECT_EQ(rig.window->close(), c.closes) << c.question;
        EXPECT_EQ(rig.window->isVisible(), !c.closes);
        EXPECT_EQ(rig.prompter.questions, QStringList{c.question});
        EXPECT_EQ(rig.commands.saves, c.saves);
    }
}

TEST(BoardClose, ExitEntryAsksTheSameQuestion) {
    BoardRig rig;
    rig.window->show();
    rig.prompter.answers = {Prompter::Answer::Cancel, Prompter::Answer::No};
    rig.window->Menu().mnuFileExit->trigger();
    EXPECT_TRUE(rig.window->isVisible());
    rig.window->Menu().mnuFileExit->trigger();
    EXPECT_FALSE(rig.window->isVisible());
    EXPECT_EQ(rig.prompter.questions.size(), 2);

    BoardRig other;
    other.window->show();
    other.window->CloseWithoutAsking();
    EXPECT_FALSE(other.window->isVisible());
    EXPECT_TRUE(other.prompter.questions.isEmpty());
}

}  // namespace
}  // namespace vantry::test
