#include "dialogs/frmsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "accessibleroles.h"
#include "accountplay.h"
#include "userstorewrite.h"

namespace vantry {

namespace {

// The paces in the order the list shows them, slowest first.
constexpr std::array<int, 3> Paces{PlayerOptions::RelaxedPace, PlayerOptions::DesignedPace, PlayerOptions::BriskPace};

// Each language by its own name, as a reader of it looks for it whatever the game speaks now.
// Data, not texts: never translated.
QString NativeName(const QString& code) {
    static const std::array<std::pair<const char*, const char*>, 8> names{{
        {"en", "English"},
        {"de", "Deutsch"},
        {"es", "Español"},
        {"fr", "Français"},
        {"it", "Italiano"},
        {"nl", "Nederlands"},
        {"pl", "Polski"},
        {"pt_BR", "Português (Brasil)"},
    }};
    for (const auto& [c, name] : names) {
        if (code == QLatin1String(c)) return QString::fromUtf8(name);
    }
    return code;
}

// A label's text as a screen reader should say it: without the mnemonic's ampersand.
QString Spoken(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

// A box in the grid after its label, whose words name it for a screen reader too.
void AddRow(QGridLayout* grid, int row, QLabel* caption, QWidget* box, const char* name, int span = 2) {
    box->setObjectName(name);
    caption->setBuddy(box);
    box->setAccessibleName(Spoken(caption->text()));
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1, 1, span);
}

// A check box across the grid's row.
QCheckBox* AddCheck(QGridLayout* grid, int row, const QString& text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    grid->addWidget(box, row, 0, 1, 3);
    return box;
}

}  // namespace

template <typename Value>
void frmSettings::Change(Value PlayerOptions::*option, const Value& value) {
    options_.*option = value;
    if (changed_) changed_(options_);
}

frmSettings::frmSettings(const PlayerOptions& options, Changed changed, QWidget* owner, const XmppOptions& account,
                         Accounts accounts)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      options_(options),
      changed_(std::move(changed)),
      accounts_(std::move(accounts)) {
    setObjectName("frmSettings");
    setWindowTitle(tr("Vantry - Settings"));
    auto* grid = new QGridLayout;
    chkMarks = AddCheck(grid, 0, tr("Show each seat's &mark on its counter and name"), "chkMarks", this);
    connect(chkMarks, &QCheckBox::toggled, this, [this](bool on) { Change(&PlayerOptions::marks, on); });

    chkTravel = AddCheck(grid, 1, tr("Counters &travel square by square and the die rolls"), "chkTravel", this);
    connect(chkTravel, &QCheckBox::toggled, this, [this](bool on) { Change(&PlayerOptions::travel, on); });

    //: Label of the list of paces at which the computer's seats throw and move.
    auto* paceLabel = new QLabel(tr("Computer's &pace:"), this);
    cmbPace = new QComboBox(this);
    AccessibleRoles::SetChoiceList(cmbPace);
    //: A pace of the computer's seats: one step (a throw or a move) a second.
    cmbPace->addItem(tr("Relaxed (a step a second)"));
    //: A pace of the computer's seats: the game's own, one step every half second.
    cmbPace->addItem(tr("As designed (a step every half second)"));
    //: A pace of the computer's seats: four steps a second.
    cmbPace->addItem(tr("Brisk (four steps a second)"));
    AddRow(grid, 2, paceLabel, cmbPace, "cmbPace");
    connect(cmbPace, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(Paces.size())) {
            Change(&PlayerOptions::pace, Paces[static_cast<std::size_t>(index)]);
        }
    });

    BuildSound(grid, 3);
    BuildLanguage(grid, 5);
    BuildAccount(grid, 7);

    auto* cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(grid);
    whole->addSpacing(fontMetrics().height() / 2);
    whole->addLayout(buttons);
    // The window takes the size its texts need, in every language and at every font size.
    whole->setSizeConstraint(QLayout::SetFixedSize);
    // Sized now, so that it is centred on the board by the size it will have.
    whole->activate();

    // The controls show the options as they stand; nothing is handed on while they are set.
    const QSignalBlocker marks(chkMarks), travel(chkTravel), pace(cmbPace), sound(chkSound), volume(sldVolume),
        language(cmbLanguage);
    chkMarks->setChecked(options_.marks);
    chkTravel->setChecked(options_.travel);
    const auto paceAt = std::find(Paces.begin(), Paces.end(), options_.pace);
    cmbPace->setCurrentIndex(paceAt == Paces.end() ? 1 : static_cast<int>(paceAt - Paces.begin()));
    chkSound->setChecked(options_.sound);
    sldVolume->setValue(options_.volume);
    const int languageAt = cmbLanguage->findData(options_.language);
    cmbLanguage->setCurrentIndex(languageAt < 0 ? 0 : languageAt);
    ShowVolume();
    txtAddress->setText(account.address);
    txtServer->setText(account.server);
    chkDirect->setChecked(account.direct);
}

void frmSettings::BuildSound(QGridLayout* grid, int row) {
    chkSound = AddCheck(grid, row, tr("&Sound"), "chkSound", this);
    connect(chkSound, &QCheckBox::toggled, this, [this](bool on) {
        Change(&PlayerOptions::sound, on);
        ShowVolume();
    });

    lblVolume = new QLabel(tr("&Volume:"), this);
    sldVolume = new QSlider(Qt::Horizontal, this);
    sldVolume->setRange(0, PlayerOptions::MaxVolume);
    sldVolume->setSingleStep(5);
    sldVolume->setPageStep(10);
    AddRow(grid, row + 1, lblVolume, sldVolume, "sldVolume", 1);
    lblVolumeValue = new QLabel(this);
    lblVolumeValue->setObjectName("lblVolumeValue");
    // Room for "100%" whatever the value, so that the slider keeps its length as it moves.
    //: The volume as a percentage; %1 is a whole number from 0 to 100.
    lblVolumeValue->setMinimumWidth(fontMetrics().horizontalAdvance(tr("%1%").arg(PlayerOptions::MaxVolume)));
    lblVolumeValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(sldVolume, &QSlider::valueChanged, this, [this](int volume) {
        Change(&PlayerOptions::volume, volume);
        ShowVolume();
    });
    grid->addWidget(lblVolumeValue, row + 1, 2);
}

void frmSettings::BuildLanguage(QGridLayout* grid, int row) {
    auto* languageLabel = new QLabel(tr("&Language:"), this);
    cmbLanguage = new QComboBox(this);
    AccessibleRoles::SetChoiceList(cmbLanguage);
    //: The first choice of the language list: whichever language the desktop is set to.
    cmbLanguage->addItem(tr("The desktop's language"), QString());
    for (const QString& code : GameLanguages()) cmbLanguage->addItem(NativeName(code), code);
    AddRow(grid, row, languageLabel, cmbLanguage, "cmbLanguage");
    connect(cmbLanguage, &QComboBox::currentIndexChanged, this, [this](int index) {
        Change(&PlayerOptions::language, cmbLanguage->itemData(index).toString());
    });

    auto* lblLanguageNote = new QLabel(tr("A new language is used from the next start of Vantry."), this);
    lblLanguageNote->setObjectName("lblLanguageNote");
    cmbLanguage->setAccessibleDescription(lblLanguageNote->text());
    grid->addWidget(lblLanguageNote, row + 1, 1, 1, 2);
}

// The account for playing through an XMPP server: its address, its password (kept in the
// desktop's keyring, never shown again) and, rarely needed, where its server listens.
void frmSettings::BuildAccount(QGridLayout* grid, int row) {
    //: The heading over the XMPP account's boxes in the Settings window.
    auto* heading = new QLabel(tr("Playing through an XMPP server"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    // Half a line apart from the options above, as a section of its own.
    heading->setContentsMargins(0, fontMetrics().height() / 2, 0, 0);
    grid->addWidget(heading, row, 0, 1, 3);

    const auto addRow = [&](int at, const QString& label, QLineEdit*& edit, const char* name) {
        auto* caption = new QLabel(label, this);
        edit = new QLineEdit(this);
        AddRow(grid, at, caption, edit, name);
    };
    //: The box of the player's XMPP address, such as name@example.org.
    addRow(row + 1, tr("XMPP &address:"), txtAddress, "txtAddress");
    txtAddress->setPlaceholderText(QStringLiteral("name@example.org"));
    addRow(row + 2, tr("Pass&word:"), txtPassword, "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    //: The box of where the XMPP server listens, needed only when its address does not say.
    addRow(row + 3, tr("Se&rver:"), txtServer, "txtServer");
    //: Shown in the empty server box: the server is found from the XMPP address.
    txtServer->setPlaceholderText(tr("Found from the address"));
    chkDirect = AddCheck(grid, row + 4, tr("Also let players reach this computer &directly"), "chkDirect", this);
    chkDirect->setToolTip(tr("A hosted game then also opens a port, for players who can reach this computer, such as "
                             "those at home. Unticked, a game hosted with the account opens no port, and every "
                             "player joins through the server."));

    cmdCreateAccount = new QPushButton(tr("Cr&eate Account"), this);
    cmdCreateAccount->setObjectName("cmdCreateAccount");
    connect(cmdCreateAccount, &QPushButton::clicked, this, &frmSettings::CreateAccount);
    lblAccountNote = new QLabel(tr("The password is kept in the desktop's keyring."), this);
    lblAccountNote->setObjectName("lblAccountNote");
    lblAccountNote->setWordWrap(true);
    grid->addWidget(cmdCreateAccount, row + 5, 0);
    grid->addWidget(lblAccountNote, row + 5, 1, 1, 2);
}

void frmSettings::CreateAccount() {
    AccountPlay* accounts = accounts_ ? accounts_() : nullptr;
    if (!accounts) return;
    cmdCreateAccount->setEnabled(false);
    const QPointer<frmSettings> self(this);
    const QString address = txtAddress->text().trimmed();
    accounts->Register(address, txtServer->text().trimmed(), txtPassword->text(), [self, address](const QString& fault) {
        if (!self) return;
        self->cmdCreateAccount->setEnabled(true);
        //: %1 is the XMPP address just made on its server.
        self->lblAccountNote->setText(fault.isEmpty() ? tr("The account %1 was made.").arg(address) : fault);
    });
}

XmppOptions frmSettings::Account() const {
    return {txtAddress->text().trimmed(), txtServer->text().trimmed(), chkDirect->isChecked()};
}

QString frmSettings::Password() const { return txtPassword->text(); }

void frmSettings::ShowVolume() {
    const QString percent = tr("%1%").arg(sldVolume->value());
    lblVolumeValue->setText(percent);
    sldVolume->setAccessibleDescription(percent);
    // The volume is kept while the sound is off, ready for when it is on again.
    const bool on = chkSound->isChecked();
    for (QWidget* part : std::initializer_list<QWidget*>{lblVolume, sldVolume, lblVolumeValue}) part->setEnabled(on);
}

QString frmSettings::StoreFailedText(const StoreFailure& failure) {
    return tr("Your settings could not be stored in %1: %2. They hold until Vantry is closed.")
        .arg(failure.path, failure.reason);
}

}  // namespace vantry
