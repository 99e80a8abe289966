#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document.h"
#include "examplegame.h"
#include "fakedocumentwindow.h"
#include "gamestate.h"
#include "scriptedprompter.h"

namespace vantry::test {

// A document over the example game on a window-free board, with a temporary folder for its
// files and a prompter that answers from a script.
class DocumentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetUpExample(state, window);
    }
    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    GameState state;
    FakeDocumentWindow window;
    ScriptedPrompter prompter;
    Document document{state, window, prompter};
};

}  // namespace vantry::test
