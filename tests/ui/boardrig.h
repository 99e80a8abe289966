#pragma once

#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "board/boardcommands.h"
#include "media/cueplayer.h"
#include "engine.h"
#include "board/frmmain.h"
#include "gamestate.h"
#include "recordinglistener.h"
#include "scriptedprompter.h"

namespace vantry::test {

// Counts the board's hand-overs and keeps the dropped paths; Save answers `saveResult`.
class RecordingCommands : public BoardCommands {
public:
    void New() override { ++news; }
    void Open() override { ++opens; }
    bool Save() override {
        ++saves;
        return saveResult;
    }
    void SaveAs() override { ++saveAses; }
    void About() override { ++abouts; }
    void Settings() override { ++settings; }
    void OpenDropped(const QString& path) override {
        dropped << path;
        if (onOpenDropped) onOpenDropped(path);
    }
    void BestPlayers() override {
        ++bestPlayers;
        if (onBestPlayers) onBestPlayers();
    }

    bool Untitled() const override { return untitled; }

    int news = 0, opens = 0, saves = 0, saveAses = 0, abouts = 0, settings = 0, bestPlayers = 0;
    QStringList dropped;
    bool saveResult = true;
    bool untitled = true;
    std::function<void()> onBestPlayers;
    std::function<void(const QString&)> onOpenDropped;
};

class RecordingCues : public CuePlayer {
public:
    bool Play(const QString& path) override {
        paths << path;
        return QFileInfo::exists(path);
    }
    QStringList paths;
};

// A board window over a fresh game, answering through the scripted prompter and recording
// commands and cues.
struct BoardRig {
    BoardRig() : window(std::make_unique<frmMain>(engine, prompter, commands)) {
        engine.SetListener(window.get());
        auto recorder = std::make_unique<RecordingCues>();
        cues = recorder.get();
        window->Cues().SetPlayer(std::move(recorder));
    }
    ~BoardRig() { engine.SetListener(nullptr); }

    // Tells the board that the counters stand where the state has them now, as a new game
    // stands them: at once, without travel.
    void StandAsPlaced() {
        window->Recorded({RecordEvent::StartOf(state, RecordEvent::Kind::NewGame)}, true);
    }

    template <typename W = QWidget>
    W* Find(const QString& name) const {
        return window->findChild<W*>(name);
    }

    GameState state;
    ScriptedPrompter prompter;
    ScriptedRandom random{{ScriptedRandom::For(4)}};
    Engine engine{state, random};
    RecordingCommands commands;
    RecordingCues* cues = nullptr;
    std::unique_ptr<frmMain> window;
};

}  // namespace vantry::test
