#include "dialogs/frmnew.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

#include "board/boardlayout.h"
#include "fittext.h"
#include "dialogs/kindbutton.h"
#include "dialogs/onelinetext.h"
#include "engine.h"
#include "media/picturenames.h"
#include "media/programicon.h"
#include "dialogs/seatgroupbox.h"
#include "twips.h"
#include "seat/seatlook.h"

namespace vantry {

namespace {

// Design places in twips, relative to the window's client area or the containing group.
constexpr float DialogWidth = 4650;
constexpr float DialogHeight = 4575;
constexpr int SeatPitch = 960;
constexpr TwipsRect Frame2Place{120, 120, 4455, 855};
constexpr TwipsRect Frame1Place{240, 240, 1095, 495};
constexpr TwipsRect optComPlace{0, 0, 495, 495};
constexpr TwipsRect optPerPlace{600, 0, 495, 495};
constexpr TwipsRect Label4Place{1560, 390, 495, 255};
constexpr TwipsRect txtNewPlace{2160, 360, 2055, 285};
constexpr TwipsRect cmbNewPlace{2160, 360, 2055, 315};
// On the group's title line, ending where the name box ends.
constexpr TwipsRect chkRemotePlace{1560, 0, 2655, 240};
constexpr TwipsRect cmdStartPlace{360, 4080, 1215, 375};
constexpr TwipsRect cmdRandomPlace{1800, 4080, 1095, 375};
constexpr TwipsRect cmdOpenPlace{3120, 4080, 1215, 375};

// A seat's box title, and the seat's colours as the board draws them.
struct GroupLook {
    const char* title;
    QColor colour;
    QColor text;
};

constexpr std::array<const char*, SeatCount> SeatTitles{
    QT_TRANSLATE_NOOP("vantry::frmNew", "Red"), QT_TRANSLATE_NOOP("vantry::frmNew", "Blue"),
    QT_TRANSLATE_NOOP("vantry::frmNew", "Yellow"), QT_TRANSLATE_NOOP("vantry::frmNew", "Green")};

// What a screen reader says of each seat's controls, whole, so that every language can agree the
// colour with its noun.
constexpr std::array<const char*, SeatCount> ComputerSeat{
    QT_TRANSLATE_NOOP("vantry::frmNew", "Red seat: computer"), QT_TRANSLATE_NOOP("vantry::frmNew", "Blue seat: computer"),
    QT_TRANSLATE_NOOP("vantry::frmNew", "Yellow seat: computer"), QT_TRANSLATE_NOOP("vantry::frmNew", "Green seat: computer")};
constexpr std::array<const char*, SeatCount> PersonSeat{
    QT_TRANSLATE_NOOP("vantry::frmNew", "Red seat: person"), QT_TRANSLATE_NOOP("vantry::frmNew", "Blue seat: person"),
    QT_TRANSLATE_NOOP("vantry::frmNew", "Yellow seat: person"), QT_TRANSLATE_NOOP("vantry::frmNew", "Green seat: person")};
constexpr std::array<const char*, SeatCount> RemoteSeat{
    QT_TRANSLATE_NOOP("vantry::frmNew", "Red seat: a player on another computer"),
    QT_TRANSLATE_NOOP("vantry::frmNew", "Blue seat: a player on another computer"),
    QT_TRANSLATE_NOOP("vantry::frmNew", "Yellow seat: a player on another computer"),
    QT_TRANSLATE_NOOP("vantry::frmNew", "Green seat: a player on another computer")};
constexpr std::array<const char*, SeatCount> SeatName{
    QT_TRANSLATE_NOOP("vantry::frmNew", "Red seat name"), QT_TRANSLATE_NOOP("vantry::frmNew", "Blue seat name"),
    QT_TRANSLATE_NOOP("vantry::frmNew", "Yellow seat name"), QT_TRANSLATE_NOOP("vantry::frmNew", "Green seat name")};

GroupLook LookOf(std::size_t seat) {
    const int s = static_cast<int>(seat);
    return {SeatTitles[seat], SeatLook::Colour(s), SeatLook::TextColour(s)};
}

void Place(QWidget* widget, const TwipsRect& r, float extraTop = 0.0f) {
    widget->setGeometry(PixelRect(TwipsRect{r.left, r.top + extraTop, r.width, r.height}));
}

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

void PaintSeatColours(QWidget* box, const GroupLook& look) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, look.colour);
    palette.setColor(QPalette::Text, look.text);
    palette.setColor(QPalette::Button, look.colour);
    palette.setColor(QPalette::ButtonText, look.text);
    box->setPalette(palette);
}

QPushButton* MakeKindButton(QWidget* parent, const QColor& colour, const QString& name, const QString& icon,
                            const QString& tip, const TwipsRect& place) {
    auto* button = new KindButton(colour, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setIcon(PictureIcon(icon));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(tip);
    Place(button, place);
    return button;
}

QPushButton* CommandButton(QWidget* parent, const char* name, const QString& caption, const TwipsRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    Place(button, place);
    return button;
}

}  // namespace

frmNew::frmNew(Engine& engine, DocumentWindow& board, GameCommands& commands, Prompter& prompter,
               RandomSource& random, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(engine.State()),
      random_(random),
      setup_(engine, board, commands, prompter) {
    setObjectName("frmNew");
    setFixedSize(PixelEdge(DialogWidth), PixelEdge(DialogHeight));
    for (int i = 0; i < SeatCount; ++i) BuildSeat(i);
    ShowMarks(true);
    BuildButtons();
    SetTabOrder();
    // The desktop's face, made smaller in a control whose text would not fit its place.
    FitText::FitAll(this);
    Form_Load();
}

void frmNew::BuildSeat(int i) {
    const auto seat = static_cast<std::size_t>(i);
    const GroupLook look = LookOf(seat);
    Frame2[seat] = new SeatGroupBox(tr(look.title), look.colour, this);
    Frame2[seat]->setObjectName(Indexed("Frame2", i));
    Place(Frame2[seat], Frame2Place, SeatPitch * i);
    // The title takes the seat's colour; the group's other texts keep the dialog's own.
    QPalette title = Frame2[seat]->palette();
    title.setColor(QPalette::WindowText, look.colour);
    Frame2[seat]->setPalette(title);

    auto* frame = new QFrame(Frame2[seat]);
    frame->setObjectName(Indexed("Frame1", i));
    frame->setFrameShape(QFrame::NoFrame);
    Place(frame, Frame1Place);
    optCom[seat] = MakeKindButton(frame, look.colour, Indexed("optCom", i), Pictures::Computer,
                                  tr("The computer plays this seat"), optComPlace);
    optPer[seat] = MakeKindButton(frame, look.colour, Indexed("optPer", i), Pictures::Person,
                                  tr("A person plays this seat"), optPerPlace);
    // Exclusive, yet nothing is pressed until the user picks a kind.
    auto* kinds = new QButtonGroup(frame);
    kinds->addButton(optCom[seat]);
    kinds->addButton(optPer[seat]);
    // The picture alone does not say which seat or kind; the pressed state is the button's own.
    optCom[seat]->setAccessibleName(tr(ComputerSeat[seat]));
    optPer[seat]->setAccessibleName(tr(PersonSeat[seat]));
    connect(optCom[seat], &QPushButton::clicked, this, [this, i] { ShowTypedBox(i, false); });
    connect(optPer[seat], &QPushButton::clicked, this, [this, i] { ShowTypedBox(i, true); });

    Label4[seat] = new QLabel(tr("&Name:"), Frame2[seat]);
    Label4[seat]->setObjectName(Indexed("Label4", i));
    QPalette plain = Label4[seat]->palette();
    plain.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    Label4[seat]->setPalette(plain);
    Place(Label4[seat], Label4Place);
    // Faces wider than the design's may need the room up to the name box to show the colon.
    const int room = PixelEdge(static_cast<float>(txtNewPlace.left - Label4Place.left));
    Label4[seat]->resize(std::clamp(Label4[seat]->sizeHint().width(), Label4[seat]->width(), room),
                         Label4[seat]->height());
    BuildRemoteBox(i);
    BuildNameBoxes(i);
}

// A box on the group's title line, its background cutting the frame's line as the title does.
void frmNew::BuildRemoteBox(int i) {
    const auto seat = static_cast<std::size_t>(i);
    //: A check box in each seat's group of the new-game dialog; ticked, a person on another computer plays the seat.
    chkRemote[seat] = new QCheckBox(tr("On another &computer"), Frame2[seat]);
    chkRemote[seat]->setObjectName(Indexed("chkRemote", i));
    chkRemote[seat]->setAccessibleName(tr(RemoteSeat[seat]));
    chkRemote[seat]->setToolTip(tr("A player on another computer plays this seat. Starting the game hosts it and "
                                   "shows the invitation to send."));
    chkRemote[seat]->setAutoFillBackground(true);
    chkRemote[seat]->setPalette(Label4[seat]->palette());
    const QRect room = PixelRect(chkRemotePlace);
    const int width = std::min(chkRemote[seat]->sizeHint().width(), room.width());
    chkRemote[seat]->setGeometry(room.right() + 1 - width, room.top(), width, room.height());
    // Another computer's player is a person.
    connect(chkRemote[seat], &QCheckBox::toggled, this, [this, seat](bool on) {
        if (on && !optPer[seat]->isChecked()) optPer[seat]->click();
    });
}

void frmNew::BuildNameBoxes(int i) {
    const auto seat = static_cast<std::size_t>(i);
    txtNew[seat] = new QLineEdit(Frame2[seat]);
    txtNew[seat]->setObjectName(Indexed("txtNew", i));
    auto* oneLine = new OneLineText(Frame2[seat]);
    txtNew[seat]->setValidator(oneLine);
    Place(txtNew[seat], txtNewPlace);
    PaintSeatColours(txtNew[seat], LookOf(seat));

    cmbNew[seat] = new QComboBox(Frame2[seat]);
    cmbNew[seat]->setObjectName(Indexed("cmbNew", i));
    cmbNew[seat]->setEditable(true);
    // A typed name is used as it stands; it does not join the list.
    cmbNew[seat]->setInsertPolicy(QComboBox::NoInsert);
    cmbNew[seat]->setValidator(oneLine);
    for (const char* name : PresetNames) cmbNew[seat]->addItem(QString::fromLatin1(name));
    cmbNew[seat]->setCurrentIndex(-1);
    cmbNew[seat]->setEditText(SelectPrompt());
    Place(cmbNew[seat], cmbNewPlace);
    PaintSeatColours(cmbNew[seat], LookOf(seat));
    // The label in front says only "Name:"; the box says whose seat it names.
    const QString name = tr(SeatName[seat]);
    Label4[seat]->setAccessibleName(name);  // a screen reader names a box by its label first
    txtNew[seat]->setAccessibleName(name);
    cmbNew[seat]->setAccessibleName(name);
    ShowTypedBox(i, i == 0);
}

void frmNew::BuildButtons() {
    cmdStart = CommandButton(this, "cmdStart", tr("&Start Game"), cmdStartPlace);
    cmdStart->setDefault(true);
    cmdRandom = CommandButton(this, "cmdRandom", tr("&Randomize"), cmdRandomPlace);
    cmdOpen = CommandButton(this, "cmdOpen", tr("&Open Game"), cmdOpenPlace);
    connect(cmdStart, &QPushButton::clicked, this, &frmNew::cmdStart_Click);
    connect(cmdRandom, &QPushButton::clicked, this, &frmNew::cmdRandom_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmNew::cmdOpen_Click);
}

void frmNew::SetTabOrder() {
    // The labels take no focus; their place in the order is kept by being their box's buddy.
    std::vector<QWidget*> order;
    order.insert(order.end(), {txtNew[0], cmbNew[0], optPer[0], optCom[0]});
    order.push_back(chkRemote[0]);
    for (std::size_t i = 1; i < SeatCount; ++i)
        order.insert(order.end(), {optCom[i], optPer[i], cmbNew[i], txtNew[i], chkRemote[i]});
    order.insert(order.end(), {cmdStart, cmdRandom, cmdOpen});
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}

void frmNew::Form_Load() {
    setup_.Load();
    setWindowTitle(tr("Vantry - New Game"));
}

void frmNew::ShowMarks(bool shown) {
    for (int i = 0; i < SeatCount; ++i) Frame2[static_cast<std::size_t>(i)]->SetMarkSeat(shown ? i : -1);
}

void frmNew::ShowTypedBox(int i, bool typed) {
    const auto seat = static_cast<std::size_t>(i);
    txtNew[seat]->setVisible(typed);
    cmbNew[seat]->setVisible(!typed);
    Label4[seat]->setBuddy(typed ? static_cast<QWidget*>(txtNew[seat]) : cmbNew[seat]);
    // The computer plays here; only a person's seat goes to another computer.
    chkRemote[seat]->setEnabled(!optCom[seat]->isChecked());
    if (optCom[seat]->isChecked()) chkRemote[seat]->setChecked(false);
}

// The seats as the table has them now: a seat given away stays so until the player takes it back.
void frmNew::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (std::size_t i = 0; i < SeatCount; ++i) chkRemote[i]->setChecked(state_.Remote[i] && chkRemote[i]->isEnabled());
}

std::optional<frmNew::Seats> frmNew::TakeRemoteSeats() { return std::exchange(remoteStart_, std::nullopt); }

void frmNew::cmdRandom_Click() {
    const auto picks = NewGameSetup::DrawPresetNames(random_);
    for (std::size_t i = 0; i < SeatCount; ++i) cmbNew[i]->setCurrentIndex(picks[i]);
}

void frmNew::cmdStart_Click() {
    Seats remote{};
    for (std::size_t i = 0; i < SeatCount; ++i) remote[i] = chkRemote[i]->isChecked();
    const auto refusal = setup_.StartGame(ReadSeats(), [this] { hide(); });
    if (!refusal) {
        remoteStart_ = remote;
        return;
    }
    const auto seat = static_cast<std::size_t>(refusal->seat);
    QWidget* box = refusal->box == NameBox::Combo ? static_cast<QWidget*>(cmbNew[seat]) : txtNew[seat];
    box->setFocus(Qt::OtherFocusReason);
}

void frmNew::cmdOpen_Click() {
    setup_.OpenSavedGame([this] { hide(); });
}

SeatEntries frmNew::ReadSeats() const {
    SeatEntries seats;
    for (std::size_t i = 0; i < SeatCount; ++i) {
        SeatEntry& entry = seats[i];
        if (optCom[i]->isChecked()) {
            entry.kind = SeatKind::Computer;
        } else if (optPer[i]->isChecked()) {
            entry.kind = SeatKind::Person;
        }
        entry.comboText = cmbNew[i]->currentText();
        entry.typedText = txtNew[i]->text();
        entry.typedBoxVisible = !txtNew[i]->isHidden();
    }
    return seats;
}

// Escape belongs to the seats' boxes and kind buttons; on the three command buttons it is
// nothing, so a slip of the finger there does not leave the dialog.
void frmNew::reject() {
    const QWidget* focus = focusWidget();
    if (focus == cmdStart || focus == cmdRandom || focus == cmdOpen) return;
    setup_.Escape([this] { hide(); });
}

void frmNew::closeEvent(QCloseEvent* event) {
    event->accept();
    if (unloaded_ || !isVisible()) return;
    setup_.CloseBox([this] { hide(); });
    unloaded_ = true;
    deleteLater();
}

}  // namespace vantry
