#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "document.h"
#include "engine.h"
#include "examplegame.h"
#include "gamestate.h"
#include "recordinglistener.h"
#include "scriptedprompter.h"

namespace vantry::test {

// A document over the example game, played by an engine whose events are recorded, with a
// temporary folder for its files and a prompter that answers from a script.
class DocumentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetUpExample(state);
        engine.SetListener(&listener);
    }
    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    GameState state;
    ScriptedRandom random;
    Engine engine{state, random};
    RecordingListener listener;
    ScriptedPrompter prompter;
    Document document{engine, prompter};
};

}  // namespace vantry::test
