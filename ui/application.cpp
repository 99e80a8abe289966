#include "application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibrary>
#include <QCheckBox>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "dialogs/centreonowner.h"
#include "firstpainttask.h"
#include "board/boardannouncements.h"
#include "dialogs/frminvite.h"
#include "dialogs/frmsettings.h"
#include "media/programicon.h"
#include "media/mediafolder.h"
#include "media/picturerenderer.h"
#include "prompter.h"

namespace vantry {

// The statistics hear a win before the board does, whose best-players window may end the run.
Application::Application(Services services) : services_(std::move(services)) {
    engine_.AddRecordFollower(&statistics_);
    statistics_.OnStored([this] {
        if (log_) log_->StatisticsStored();
    });
    engine_.SetListener(&board_);
    board_.SetStoreNotice(&storeNotice_);
    launcher_.OnStarted([this](const frmNew::Seats& remote) { HostSeats(remote); });
    ApplyOptions();
}

void Application::ApplyOptions() {
    board_.ApplyOptions(options_);
    launcher_.ShowMarks(options_.marks);
}

void Application::Start(const QString& path, const QString& invitation) {
    // Drawing the icon at the ten sizes the window system takes costs some 6 ms of the start;
    // the board is on the screen first.
    AfterFirstPaint(&board_, [] {
        QApplication::setWindowIcon(ProgramIcon());
        PictureRenderer::Shared().ReleaseBuilt();
    });
    board_.ShowWindow();
    // A copy that joins another's game shows no new-game dialog; a saved game that does not load
    // is reported, and the start carries on as without one.
    if (!invitation.isEmpty()) {
        Join(invitation);
    } else if (path.isEmpty() || !document_.OpenPath(path, true)) {
        launcher_.New();
    }
    // The benchmark's About road: the About window opens as soon as the board is up.
    if (qEnvironmentVariableIsSet("VANTRY_BENCH_ABOUT")) QTimer::singleShot(0, &board_, [this] { About(); });
}

// A module that is missing or cannot be loaded leaves the game without play across computers.
TablePlay* Application::Table() {
    if (table_) return table_.get();
    const auto create = reinterpret_cast<VantryNetCreate>(QLibrary::resolve(NetModulePath(), VANTRY_NET_MODULE_ENTRY));
    if (!create) return nullptr;
    table_.reset(create(engine_, services_.prompter));
    // The log hears the table's news from the first line, opened or not.
    LogWindow().SetTable(table_.get());
    table_->OnNews([this](const QString& line) {
        board_.Announcements().Tell(line);
        if (log_) log_->AddNews(line);
    });
    return table_.get();
}

QStringList Application::HostPersonSeats() { return Table() ? Table()->HostPersonSeats() : QStringList(); }

// A game with no seat on another computer never loads the network; a hosted one that has no
// such seat any more plays every seat here again.
void Application::HostSeats(const frmNew::Seats& remote) {
    if (std::find(remote.begin(), remote.end(), true) == remote.end()) {
        for (int s = 0; s < SeatCount; ++s) {
            if (table_ && state_.Remote[static_cast<std::size_t>(s)]) table_->PlayHere(s);
        }
        return;
    }
    InviteSeats(&remote);
}

// The Invite Players window, with the seats `given` ticked when there are any.
void Application::InviteSeats(const frmNew::Seats* given) {
    TablePlay* table = Table();
    if (!table) return TellNoNetwork();
    frmInvite invite(state_, *table, services_.prompter, &board_);
    for (int s = 0; given && s < SeatCount; ++s) invite.Seat(s)->setChecked((*given)[static_cast<std::size_t>(s)]);
    const CentreOnOwner centred(&invite, &board_);
    invite.exec();
}

void Application::Join() {
    //: The label over the box where a player pastes an invitation, a vantry:// link.
    const auto text = services_.prompter.AskText(QCoreApplication::translate("Application", "Invitation:"));
    if (text) Join(*text);
}

void Application::Join(const QString& invitation) {
    if (TablePlay* table = Table()) return table->Join(invitation);
    TellNoNetwork();
}

void Application::TellNoNetwork() {
    services_.prompter.Message(
        QCoreApplication::translate("Application", "This copy of the game cannot play across computers: its network "
                                                   "module is missing."),
        Prompter::Icon::Warning);
}

// The options are stored once the window closes, not at every step of the volume's slider,
// each of which could wait on the store's lock.
void Application::Settings() {
    const PlayerOptions before = options_;
    const XmppOptions account = ReadXmppOptions();
    frmSettings settings(options_, [this](const PlayerOptions& options) {
        options_ = options;
        ApplyOptions();
    }, &board_, account, [this] { return Accounts(); });
    const CentreOnOwner centred(&settings, &board_);
    settings.exec();
    auto failure = StorePlayerOptions(options_, before);
    if (!failure && !(settings.Account() == account)) failure = StoreXmppOptions(settings.Account());
    if (failure) storeNotice_.Tell(services_.prompter, frmSettings::StoreFailedText(*failure));
    const QString address = settings.Account().address;
    const QString password = settings.Password();
    AccountPlay* accounts = password.isEmpty() || address.isEmpty() ? nullptr : Accounts();
    if (!accounts) return;
    // Without a keyring the game asks for the password when it signs in, and says so once here.
    accounts->StorePassword(address, password, [this](bool stored) {
        if (!stored)
            services_.prompter.Message(QCoreApplication::translate(
                "Application", "This desktop has no keyring to keep the password in, so the game asks for it each "
                               "time it signs in."));
    });
}

AccountPlay* Application::Accounts() {
    if (accounts_) return accounts_.get();
    const auto create =
        reinterpret_cast<VantryAccountCreate>(QLibrary::resolve(NetModulePath(), VANTRY_ACCOUNT_MODULE_ENTRY));
    if (create) accounts_.reset(create());
    return accounts_.get();
}

void Application::BestPlayers() {
    frmRec rec(state_, services_.prompter, document_, &board_, services_.exitProgram, &storeNotice_);
    if (rec.Run() == frmRec::Outcome::NewGame) {
        // The winning move finishes first; the new game then starts from seat 0.
        QTimer::singleShot(0, &board_, [this] { launcher_.New(); });
    }
}

frmLog& Application::LogWindow() {
    if (!log_) {
        log_ = new frmLog(engine_, services_.prompter, storeNotice_, &board_);
        log_->KeepClear([this] { return board_.ControlsOnScreen(); });
        log_->SetTable(table_.get());
    }
    return *log_;
}

}  // namespace vantry
