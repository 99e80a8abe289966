#include "dialogs/frmnew.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

#include "fittext.h"
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

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

// The seat's colours as the board draws them.
void PaintSeatColours(QWidget* box, int seat) {
    QPalette palette = box->palette();
    for (const auto role : {QPalette::Base, QPalette::Button}) palette.setColor(role, SeatLook::Colour(seat));
    for (const auto role : {QPalette::Text, QPalette::ButtonText}) palette.setColor(role, SeatLook::TextColour(seat));
    box->setPalette(palette);
}

// A seat's computer or person button. Pressed, it is plain to see at a glance: a sunken face
// tinted in the seat's colour inside a thick frame of that colour, edged in a dark line so that
// even yellow and green stand out on the dialog's grey.
class KindButton : public QPushButton {
public:
    KindButton(int seat, const QString& name, const QString& icon, const QString& tip, const TwipsRect& place,
               QWidget* parent)
        : QPushButton(parent), seatColour_(SeatLook::Colour(seat)) {
        setCheckable(true);
        setObjectName(name);
        setAutoDefault(false);
        setIcon(PictureIcon(icon));
        setIconSize(QSize(32, 32));
        setToolTip(tip);
        setGeometry(PixelRect(place));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!isChecked()) {
            QPushButton::paintEvent(event);
            return;
        }
        constexpr int FrameWidth = 5;
        const QColor edge(40, 40, 40);
        QStylePainter painter(this);
        const QRect face = rect();
        painter.fillRect(face, edge);
        painter.fillRect(face.adjusted(1, 1, -1, -1), seatColour_);
        painter.fillRect(face.adjusted(FrameWidth - 1, FrameWidth - 1, 1 - FrameWidth, 1 - FrameWidth), edge);

        // A sunken face: darker than a raised one, shaded along its upper and left edges, tinted.
        const QRect inner = face.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
        painter.fillRect(inner, palette().color(QPalette::Button).darker(115));
        QColor tint = seatColour_;
        tint.setAlpha(70);
        painter.fillRect(inner, tint);
        const QColor shadow(0, 0, 0, 60);
        painter.fillRect(QRect(inner.topLeft(), QSize(inner.width(), 2)), shadow);
        painter.fillRect(QRect(inner.topLeft(), QSize(2, inner.height())), shadow);

        // The icon sits a pixel down and right, as on a key held down.
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = inner.translated(1, 1);
        painter.drawControl(QStyle::CE_PushButtonLabel, option);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = inner.adjusted(2, 2, -2, -2);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    QColor seatColour_;
};

QPushButton* CommandButton(QWidget* parent, const char* name, const QString& caption, const TwipsRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(PixelRect(place));
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
    cmdStart = CommandButton(this, "cmdStart", tr("&Start Game"), cmdStartPlace);
    cmdStart->setDefault(true);
    cmdRandom = CommandButton(this, "cmdRandom", tr("&Randomize"), cmdRandomPlace);
    cmdOpen = CommandButton(this, "cmdOpen", tr("&Open Game"), cmdOpenPlace);
    connect(cmdStart, &QPushButton::clicked, this, &frmNew::cmdStart_Click);
    connect(cmdRandom, &QPushButton::clicked, this, &frmNew::cmdRandom_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmNew::cmdOpen_Click);

    // The labels take no focus; their place in the order is kept by being their box's buddy.
    std::vector<QWidget*> order{txtNew[0], cmbNew[0], optPer[0], optCom[0], chkRemote[0]};
    for (std::size_t i = 1; i < SeatCount; ++i)
        order.insert(order.end(), {optCom[i], optPer[i], cmbNew[i], txtNew[i], chkRemote[i]});
    order.insert(order.end(), {cmdStart, cmdRandom, cmdOpen});
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
    // The desktop's face, made smaller in a control whose text would not fit its place.
    FitText::FitAll(this);
    Form_Load();
}

void frmNew::Form_Load() {
    setup_.Load();
    setWindowTitle(tr("Vantry - New Game"));
}

void frmNew::BuildSeat(int i) {
    const auto seat = static_cast<std::size_t>(i);
    Frame2[seat] = new SeatGroupBox(tr(SeatTitles[seat]), i, this);
    Frame2[seat]->setObjectName(Indexed("Frame2", i));
    Frame2[seat]->setGeometry(
        PixelRect(Frame2Place.left, Frame2Place.top + SeatPitch * i, Frame2Place.width, Frame2Place.height));

    auto* frame = new QFrame(Frame2[seat]);
    frame->setObjectName(Indexed("Frame1", i));
    frame->setGeometry(PixelRect(Frame1Place));
    optCom[seat] = new KindButton(i, Indexed("optCom", i), Pictures::Computer, tr("The computer plays this seat"),
                                  optComPlace, frame);
    optPer[seat] = new KindButton(i, Indexed("optPer", i), Pictures::Person, tr("A person plays this seat"),
                                  optPerPlace, frame);
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
    Label4[seat]->setGeometry(PixelRect(Label4Place));
    // Faces wider than the design's may need the room up to the name box to show the colon.
    const int labelRoom = PixelEdge(static_cast<float>(txtNewPlace.left - Label4Place.left));
    Label4[seat]->resize(std::clamp(Label4[seat]->sizeHint().width(), Label4[seat]->width(), labelRoom),
                         Label4[seat]->height());

    // A box on the group's title line, its background cutting the frame's line as the title does.
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

    txtNew[seat] = new QLineEdit(Frame2[seat]);
    txtNew[seat]->setObjectName(Indexed("txtNew", i));
    auto* oneLine = new OneLineText(Frame2[seat]);
    txtNew[seat]->setValidator(oneLine);
    txtNew[seat]->setGeometry(PixelRect(txtNewPlace));
    PaintSeatColours(txtNew[seat], i);

    cmbNew[seat] = new QComboBox(Frame2[seat]);
    cmbNew[seat]->setObjectName(Indexed("cmbNew", i));
    cmbNew[seat]->setEditable(true);
    // A typed name is used as it stands; it does not join the list.
    cmbNew[seat]->setInsertPolicy(QComboBox::NoInsert);
    cmbNew[seat]->setValidator(oneLine);
    for (const char* name : PresetNames) cmbNew[seat]->addItem(QString::fromLatin1(name));
    cmbNew[seat]->setCurrentIndex(-1);
    cmbNew[seat]->setEditText(SelectPrompt());
    cmbNew[seat]->setGeometry(PixelRect(cmbNewPlace));
    PaintSeatColours(cmbNew[seat], i);
    // The label in front says only "Name:"; the box says whose seat it names.
    const QString name = tr(SeatName[seat]);
    Label4[seat]->setAccessibleName(name);  // a screen reader names a box by its label first
    txtNew[seat]->setAccessibleName(name);
    cmbNew[seat]->setAccessibleName(name);
    ShowTypedBox(i, i == 0);
}

void frmNew::ShowMarks(bool shown) {
    for (SeatGroupBox* group : Frame2) group->ShowMark(shown);
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

void frmNew::cmdRandom_Click() {
    const auto picks = NewGameSetup::DrawPresetNames(random_);
    for (std::size_t i = 0; i < SeatCount; ++i) cmbNew[i]->setCurrentIndex(picks[i]);
}

void frmNew::cmdOpen_Click() { setup_.OpenSavedGame([this] { hide(); }); }

void frmNew::cmdStart_Click() {
    Seats remote{};
    SeatEntries seats;
    for (std::size_t i = 0; i < SeatCount; ++i) {
        remote[i] = chkRemote[i]->isChecked();
        const SeatKind kind = optCom[i]->isChecked()   ? SeatKind::Computer
                              : optPer[i]->isChecked() ? SeatKind::Person
                                                       : SeatKind::None;
        seats[i] = {kind, cmbNew[i]->currentText(), txtNew[i]->text(), !txtNew[i]->isHidden()};
    }
    const auto refusal = setup_.StartGame(seats, [this] { hide(); });
    if (!refusal) {
        remoteStart_ = remote;
        return;
    }
    const auto seat = static_cast<std::size_t>(refusal->seat);
    QWidget* box = refusal->box == NameBox::Combo ? static_cast<QWidget*>(cmbNew[seat]) : txtNew[seat];
    box->setFocus(Qt::OtherFocusReason);
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
