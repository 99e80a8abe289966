#include <memory>

#include "guesttable.h"
#include "hosttable.h"
#include "prompter.h"
#include "tableplay.h"

namespace vantry::net {

namespace {

// Hosting and joining are one at a time: either ends the other.
class NetPlay final : public TablePlay {
public:
    NetPlay(Engine& engine, Prompter& prompter) : engine_(engine), prompter_(prompter) {}

    // Names a script can read, the same in every language.
    QStringList HostPersonSeats() override {
        if (!Hosting()) return {};
        static const char* const seats[] = {"Red", "Blue", "Yellow", "Green"};
        QStringList lines;
        for (int seat = 0; seat < SeatCount; ++seat) {
            if (engine_.State().IsComputer[static_cast<std::size_t>(seat)]) continue;
            lines << QLatin1String(seats[seat]) + QLatin1Char(' ') + host_->Invite(seat);
        }
        lines << QStringLiteral("Watch ") + host_->InviteWatcher();
        return lines;
    }

    QString Invite(int seat) override { return Hosting() ? host_->Invite(seat) : QString(); }
    void PlayHere(int seat) override {
        if (host_) host_->PlayHere(seat);
    }
    QString InviteWatcher() override { return Hosting() ? host_->InviteWatcher() : QString(); }

    void Join(const QString& invitation) override {
        const auto read = GuestTable::Read(invitation);
        if (!read) return prompter_.Message(GuestTable::NotAnInvitation(), Prompter::Icon::Warning);
        host_.reset();
        guest_.reset();
        guest_ = std::make_unique<GuestTable>(engine_, prompter_, *read);
        guest_->Start();
    }

private:
    bool Hosting() {
        guest_.reset();
        if (!host_) host_ = HostTable::Open(engine_, prompter_);
        return host_ != nullptr;
    }

    Engine& engine_;
    Prompter& prompter_;
    std::unique_ptr<HostTable> host_;
    std::unique_ptr<GuestTable> guest_;
};

}  // namespace

}  // namespace vantry::net

extern "C" Q_DECL_EXPORT vantry::TablePlay* vantry_netplay_create_table_v1(vantry::Engine& engine,
                                                                           vantry::Prompter& prompter) {
    return new vantry::net::NetPlay(engine, prompter);
}
