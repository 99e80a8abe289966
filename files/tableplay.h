#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vantry {

class Engine;
class Prompter;

// This copy's part in a game across computers, as the network module gives it: hosting the
// game on the board, or joining another computer's.
class TablePlay {
public:
    // The longest line of chat, in characters.
    static constexpr int MaxChatChars = 200;

    virtual ~TablePlay() = default;
    // Hosts the game on the board: every seat a person plays is offered to a player on another
    // computer. One line per invitation ("Red vantry://...", then "Watch vantry://..."), or
    // none when hosting could not begin.
    virtual QStringList HostPersonSeats() = 0;
    // Joins the game an invitation names, or says why the text is none.
    virtual void Join(const QString& invitation) = 0;
    // Hosts the game on the board if it is not hosted yet, and gives `seat` (0..3) to a player on
    // another computer: its invitation, or empty when hosting could not begin. Asked again, the
    // seat's old invitation opens nothing any more.
    virtual QString Invite(int seat) = 0;
    // The seat is played on this computer again.
    virtual void PlayHere(int seat) = 0;
    // An invitation to watch; empty when hosting could not begin or the watchers' places are
    // all given.
    virtual QString InviteWatcher() = 0;

    // True while this copy hosts a game or has joined one.
    virtual bool AtTable() const = 0;
    // Sends a line of chat to everyone at the table; nothing when this copy is at none.
    virtual void Say(const QString& text) = 0;
    // Where the table's news goes, worded for the log and the screen reader: each line of chat
    // heard (this copy's own too) and the players who lose their connection or come back.
    virtual void OnNews(std::function<void(const QString& line)> heard) = 0;
};

}  // namespace vantry

// The module's one entry point; the name carries the interface's version, so that a module
// left over from another build is not taken for this one. The caller owns what it returns.
#define VANTRY_NET_MODULE_ENTRY "vantry_netplay_create_table_v1"
extern "C" using VantryNetCreate = vantry::TablePlay* (*)(vantry::Engine&, vantry::Prompter&);
