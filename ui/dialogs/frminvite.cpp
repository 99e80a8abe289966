#include "dialogs/frminvite.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "board/announcer.h"
#include "prompter.h"
#include "tableplay.h"

namespace vantry {

frmInvite::frmInvite(const GameState& state, TablePlay& table, Prompter& prompter, QWidget* owner)
    : QDialog(owner), table_(table), prompter_(prompter) {
    setObjectName("frmInvite");
    setWindowTitle(tr("Vantry - Invite Players"));
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(tr("Each seat ticked here is played from another computer. Send its player the "
                                "invitation beside it; the last one lets someone watch the game."),
                             this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 3);
    const auto linkBox = [this](const QString& name) {
        auto* box = new QLineEdit(this);
        box->setReadOnly(true);
        box->setAccessibleName(name);
        return box;
    };
    // What the invitation is for, the invitation and its button.
    const auto addRow = [this, grid](int row, QWidget* what, QLineEdit* link) {
        grid->addWidget(what, row, 0);
        grid->addWidget(link, row, 1);
        //: Copies an invitation to the clipboard, to paste it into a mail or a chat.
        auto* copy = new QPushButton(tr("Copy"), this);
        copy->setAutoDefault(false);
        copy->setAccessibleDescription(link->accessibleName());
        connect(copy, &QPushButton::clicked, this, [link] {
            if (!link->text().isEmpty()) QApplication::clipboard()->setText(link->text());
        });
        grid->addWidget(copy, row, 2);
    };
    for (int seat = 0; seat < SeatCount; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        const QString name = Announcer::SeatOf(state, seat).name;
        //: A seat's tick box in the invitations window; %1 is the seat's name as on the board.
        seats_[s] = new QCheckBox(tr("%1 plays from another computer").arg(name), this);
        seats_[s]->setObjectName(QStringLiteral("chkSeat(%1)").arg(seat));
        // The computer's seats stay the computer's.
        seats_[s]->setEnabled(!state.IsComputer[s] || state.Remote[s]);
        seats_[s]->setChecked(state.Remote[s]);
        //: The accessible name of the box holding a seat's invitation; %1 is the seat's name.
        links_[s] = linkBox(tr("Invitation for %1").arg(name));
        addRow(1 + seat, seats_[s], links_[s]);
        connect(seats_[s], &QCheckBox::toggled, this, [this, seat](bool on) { Toggle(seat, on); });
    }
    //: The label before the invitation that lets someone watch the game without playing.
    auto* watchLabel = new QLabel(tr("To watch:"), this);
    watch_ = linkBox(tr("Invitation to watch"));
    addRow(5, watchLabel, watch_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, 6, 0, 1, 3);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 48);
    // A seat already given keeps its invitation; a new one is made for it. The keyboard starts
    // on the first seat that can be given.
    for (int seat = SeatCount - 1; seat >= 0; --seat) {
        const auto s = static_cast<std::size_t>(seat);
        if (state.Remote[s]) Toggle(seat, true);
        if (seats_[s]->isEnabled()) seats_[s]->setFocus(Qt::OtherFocusReason);
    }
    adjustSize();
}

QString frmInvite::FailedText() {
    return tr("The game could not be hosted: this computer could not open a network port for it.");
}

void frmInvite::Toggle(int seat, bool remote) {
    const auto s = static_cast<std::size_t>(seat);
    if (!remote) {
        table_.PlayHere(seat);
        links_[s]->clear();
        return;
    }
    const QString link = table_.Invite(seat);
    if (link.isEmpty()) {
        const QSignalBlocker quiet(seats_[s]);
        seats_[s]->setChecked(false);
        prompter_.Message(FailedText(), Prompter::Icon::Warning);
        return;
    }
    links_[s]->setText(link);
    links_[s]->setCursorPosition(0);
    if (watch_->text().isEmpty()) {
        watch_->setText(table_.InviteWatcher());
        watch_->setCursorPosition(0);
    }
}

}  // namespace vantry
