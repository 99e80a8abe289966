#pragma once

#include <QStringList>

#include <functional>

#include "tableplay.h"

namespace vantry::test {

// Hands out numbered invitations, or none when hosting fails; writes down what was asked and
// the lines of chat said.
class RecordingTable : public TablePlay {
public:
    QStringList HostPersonSeats() override { return {}; }
    void Join(const QString&) override {}
    QString Invite(int seat) override {
        asked << QStringLiteral("invite %1").arg(seat);
        return fails ? QString() : QStringLiteral("vantry://seat%1/%2").arg(seat).arg(++made);
    }
    void PlayHere(int seat) override { asked << QStringLiteral("here %1").arg(seat); }
    QString InviteWatcher() override {
        asked << QStringLiteral("watch");
        return QStringLiteral("vantry://watch");
    }
    bool AtTable() const override { return atTable; }
    void Say(const QString& text) override { said << text; }
    void OnNews(std::function<void(const QString&)> heard) override { news = std::move(heard); }

    QStringList asked;
    QStringList said;
    std::function<void(const QString&)> news;
    bool fails = false;
    bool atTable = true;
    int made = 0;
};

}  // namespace vantry::test
