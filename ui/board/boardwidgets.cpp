#include "board/boardwidgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "accessibleroles.h"
#include "board/boardlayer.h"
#include "board/boardlayout.h"
#include "board/clickpanel.h"
#include "board/dieface.h"
#include "board/fileword.h"
#include "fittext.h"
#include "gamestate.h"
#include "board/namelabel.h"
#include "board/numberlayer.h"
#include "media/picturenames.h"
#include "plaintooltip.h"
#include "board/playfocus.h"
#include "media/svgpicture.h"
#include "twips.h"
#include "seat/seatlook.h"

namespace vantry {

namespace {

constexpr TwipsRect BoardRect{0.0f, 0.0f, ClientWidth, ClientHeight};

// Sets a name label's caption, in the design's small face of the numbers or, for a name too long
// for the label, a smaller one (down to 6 points); the whole name is always the label's tooltip
// and accessible name.
void SetNameText(NameLabel* label, const QString& name) {
    constexpr qreal SmallestPoints = 6.0;
    // The label's face grows with the board: its height against the design's 17 pixels.
    const qreal scale = std::max(0.5, label->height() / qreal(NameLabelRect(0).height / TwipsPerPixel));
    QFont font = label->font();
    qreal points = NumberLayer::DesignPoints * scale;
    font.setPointSizeF(points);
    while (points > SmallestPoints * scale && QFontMetrics(font).horizontalAdvance(name) > label->TextRoom()) {
        points -= scale;
        font.setPointSizeF(points);
    }
    label->setFont(font);
    label->setText(name);
    label->setToolTip(PlainToolTip(name));
    label->setAccessibleName(name);
}

}  // namespace

template <typename W>
W* BoardWidgets::Placed(W* widget, const TwipsRect& rect, const QString& name) {
    widget->setObjectName(name);
    placed_.push_back({widget, rect});
    widget->setGeometry(PixelRect(rect));
    return widget;
}

void BoardWidgets::Place(const TwipsMapping& mapping) {
    for (const auto& [widget, rect] : placed_) widget->setGeometry(mapping.Rect(rect));
    QFont controls = QApplication::font();
    controls.setPointSizeF(controls.pointSizeF() * mapping.scale);
    cmdGo->setFont(controls);
    Label1->setFont(controls);
    Label1->move((PixelPoint(ClickLabelLeft, ClickLabelTop) * mapping.scale).toPoint());
    Label1->adjustSize();
    // "Click" stays inside the start face, and "Go" inside its button, in every language.
    const int faceRoom = picToss[FaceCount - 1]->width() - 2 * Label1->x();
    if (Label1->width() > faceRoom) {
        Label1->resize(faceRoom, Label1->height());
        FitText::Fit(Label1, FitText::SmallestPoints * mapping.scale);
    }
    FitText::Fit(cmdGo, FitText::SmallestPoints * mapping.scale);
    for (QWidget* word : imgFile->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        word->setGeometry(imgFile->rect());
    }
    for (NameLabel* label : txtName) SetNameText(label, label->text());
}

BoardWidgets::BoardWidgets(QWidget* window) {
    MakeBoard(window);
    MakeNameLabels(window);
    MakePictures(window);
    MakeControls(window);
}

void BoardWidgets::MakeBoard(QWidget* window) {
    imgPic = Placed(new SvgPicture(Pictures::Background, window), BoardRect, "imgPic");
    imgPic->setAttribute(Qt::WA_TransparentForMouseEvents);

    track = Placed(new BoardLayer(TrackLines(), Qt::white, window), BoardRect, "linM");
    lblCtr = Placed(new NumberLayer(window), BoardRect, "lblCtr");
    ladders = Placed(new BoardLayer(LadderLines(), LadderOrange, window), BoardRect, "Line1");
}

void BoardWidgets::Draw(const GameState& state, PlayFocus& focus) {
    // A seat played from another computer cannot be played here.
    const bool here = !state.Remote[static_cast<std::size_t>(state.CurrentPlayer)];
    // Only the face on show is visible.
    for (int k = 0; k < FaceCount; ++k) {
        DieFace* face = picToss[static_cast<std::size_t>(k)];
        const bool shown = k == state.ShownFace;
        const bool enabled = !shown || (here && state.FaceEnabled);
        if (!shown || !enabled) focus.Leaving(face);
        face->setHidden(!shown);
        face->setEnabled(enabled);
    }
    for (std::size_t s = 0; s < SeatCount; ++s) {
        const bool enabled = here && state.CounterEnabled[s];
        if (!enabled) focus.Leaving(picM[s]);
        picM[s]->setEnabled(enabled);
    }
    const bool goes = here && state.GoEnabled;
    if (!goes) focus.Leaving(cmdGo);
    cmdGo->setEnabled(goes);
    DrawNames(state);
}

void BoardWidgets::DrawNames(const GameState& state) {
    for (std::size_t i = 0; i < txtName.size(); ++i) {
        // A slanted name is fitted again.
        const bool slant = txtName[i]->Away() != state.Away[i];
        txtName[i]->SetAway(state.Away[i]);
        const QString name = QString::fromStdString(state.Names[i]);
        if (slant || txtName[i]->text() != name) SetNameText(txtName[i], name);
        txtName[i]->SetLit(state.NameLit[i]);
    }
}

void BoardWidgets::ShowMarks(bool shown) {
    for (int i = 0; i < 4; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        picM[seat]->SetMarkSeat(shown ? i : -1);
        txtName[seat]->SetMarkSeat(shown ? i : -1);
        SetNameText(txtName[seat], txtName[seat]->text());
    }
}

void BoardWidgets::MakeNameLabels(QWidget* window) {
    for (int i = 0; i < 4; ++i) {
        const auto seat = static_cast<std::size_t>(i);
        auto* label = Placed(new NameLabel(SeatLook::Colour(i), SeatLook::TextColour(i), window),
                             NameLabelRect(i), QString("txtName(%1)").arg(i));
        // A design name, not a text: it is saved and compared as it stands in every language.
        SetNameText(label, QString("Unknown%1").arg(i + 1));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        txtName[seat] = label;
    }
    turns = Placed(new BoardLayer(TurnLines(), Qt::white, window), BoardRect, "Line8");
}

void BoardWidgets::MakePictures(QWidget* window) {
    Image1 = Placed(new SvgPicture(Pictures::House, window), HouseRect, "Image1");
    // The button's picture carries the English word; another language's goes on a blank face.
    const QString fileWord = QCoreApplication::translate("BoardWidgets", "FILE", "the word on the File menu's button");
    const bool english = fileWord == QLatin1String("FILE");
    imgFile = Placed(new SvgPicture(english ? Pictures::File : Pictures::FileButton, window), FileButtonRect, "imgFile");
    if (!english) new FileWord(fileWord, imgFile);
    imgFile->setCursor(Qt::PointingHandCursor);
    for (std::size_t n = 0; n < snakes.size(); ++n) {
        const int image = static_cast<int>(n) + 2;
        snakes[n] = Placed(new SvgPicture(Pictures::Snake(image), window), SnakeRects[n], QString("Image%1").arg(image));
        snakes[n]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void BoardWidgets::MakeControls(QWidget* window) {
    //: The caption of the board's button that moves the counter after a throw; 41 pixels wide.
    cmdGo = Placed(new QPushButton(QCoreApplication::translate("BoardWidgets", "Go"), window), GoRect, "cmdGo");
    cmdGo->setDefault(true);
    cmdGo->setEnabled(false);

    for (int i = 0; i < 4; ++i) {
        auto* counter = new ClickPanel(SeatLook::Colour(i), window);
        counter->setObjectName(QString("picM(%1)").arg(i));
        counter->setEnabled(false);
        picM[static_cast<std::size_t>(i)] = counter;
    }

    for (int k = 0; k < FaceCount; ++k) {
        auto* face = Placed(new DieFace(k, window), DieRect, QString("picToss(%1)").arg(k));
        face->setVisible(k == FaceCount - 1);
        picToss[static_cast<std::size_t>(k)] = face;
    }
    // A click on the caption is the face's: a label lets it through. It is read as part of the
    // face, so it is silenced before it has a text that a screen reader could take up on its own.
    Label1 = new QLabel(picToss[FaceCount - 1]);
    AccessibleRoles::Silence(Label1);
    //: The caption on the die before the first throw, asking to click it; it must fit the small face.
    Label1->setText(QCoreApplication::translate("BoardWidgets", "Click"));
    Label1->setObjectName("Label1");
    QPalette pale = Label1->palette();
    pale.setColor(QPalette::Window, DiePaleYellow);
    pale.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(pale);
    Label1->setAutoFillBackground(true);
    Label1->move(PixelPoint(ClickLabelLeft, ClickLabelTop).toPoint());
    Label1->adjustSize();
}

QRect BoardWidgets::Controls() const {
    QRect controls = imgFile->geometry() | cmdGo->geometry();
    for (const QWidget* face : picToss) controls |= face->geometry();
    for (const QWidget* name : txtName) controls |= name->geometry();
    return controls;
}

}  // namespace vantry
