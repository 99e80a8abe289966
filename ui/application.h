#pragma once

#include <QDesktopServices>
#include <QPointer>
#include <QString>

#include "board/boardcommands.h"
#include "document.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmlog.h"
#include "board/frmmain.h"
#include "dialogs/frmrec.h"
#include "engine.h"
#include "gamestate.h"
#include "dialogs/newgamelauncher.h"
#include "playeroptions.h"
#include "tableplay.h"
#include "accountplay.h"
#include "statisticskeeper.h"
#include "storefailurenotice.h"

namespace vantry {

class Prompter;
class RandomSource;

// The whole program once the toolkit is up: the one game state, the board window, the document
// and the dialogs, wired together. The board's File menu and its win hand over here. What
// reaches beyond the program (dialogs, chance, ending the run, the desktop's links) comes in as
// Services, so the whole program can be driven with scripted ones.
class Application final : public BoardCommands {
public:
    struct Services {
        Prompter& prompter;
        RandomSource& random;
        // The best players' "Exit": ends the program where it stands.
        frmRec::ExitAction exitProgram = frmRec::EndProgram;
        // The About window's mail and web links.
        frmAbout::UrlOpener openUrl = QDesktopServices::openUrl;
    };

    explicit Application(Services services);

    // Shows the board and takes the start-up road for `path` (empty for a new game), or joins
    // the game `invitation` names.
    void Start(const QString& path, const QString& invitation = {});

    GameState& State() { return state_; }
    frmMain& Board() { return board_; }
    Document& GameDocument() { return document_; }

    // BoardCommands
    void New() override { launcher_.New(); }
    void Open() override { document_.OpenGame(); }
    bool Save() override { return document_.Save(); }
    void SaveAs() override { document_.SaveAs(); }
    void About() override { frmAbout(&board_, services_.openUrl).exec(); }
    void Settings() override;
    // The same load as File > Open's once its dialog has named the file.
    void OpenDropped(const QString& path) override { document_.OpenPath(path); }
    void BestPlayers() override;
    void GameLog() override { LogWindow().Toggle(); }
    void Join() override;
    void Invite() override { InviteSeats(nullptr); }
    bool Untitled() const override { return document_.GamePath().isEmpty(); }

    // Hosts the game on the board for players on other computers: every seat a person plays is
    // offered to one. One line per invitation ("Red vantry://...", then "Watch vantry://..."),
    // or none when hosting could not begin.
    QStringList HostPersonSeats();
    // Joins the game an invitation names, or says why the text is none.
    void Join(const QString& invitation);

private:
    // The board and the new-game dialog follow the options as they stand.
    void ApplyOptions();

    Services services_;
    GameState state_;
    // One message a run at most about a store that cannot be written, whatever failed to be stored.
    StoreFailureNotice storeNotice_;
    StatisticsKeeper statistics_{state_, services_.prompter, storeNotice_};
    Engine engine_{state_, services_.random};
    frmMain board_{engine_, services_.prompter, *this};
    Document document_{engine_, services_.prompter};
    NewGameLauncher launcher_{engine_, board_, document_, services_.prompter, services_.random, &board_};
    // Read once at start; a choice the store could not take still holds for the run.
    PlayerOptions options_ = ReadPlayerOptions();
    // Made at its first opening, a window of the board's, which it goes with.
    QPointer<frmLog> log_;
    // This copy's part in a game across computers, from the network module, which is loaded
    // (and the network opened) only when the player hosts or joins.
    TablePlay* Table();
    void TellNoNetwork();
    frmLog& LogWindow();
    void HostSeats(const frmNew::Seats& remote);
    void InviteSeats(const frmNew::Seats* given);
    std::unique_ptr<TablePlay> table_;
    // The XMPP account's keyring and making, from the same module, loaded when the Settings
    // window first needs them.
    AccountPlay* Accounts();
    std::unique_ptr<AccountPlay> accounts_;
};

}  // namespace vantry
