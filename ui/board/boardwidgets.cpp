#include "board/boardwidgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "board/boardlayer.h"
#include "board/boardlayout.h"
#include "board/clicklabel.h"
#include "board/clickpanel.h"
#include "board/dieface.h"
#include "board/fileword.h"
#include "fittext.h"
#include "board/namelabel.h"
#include "board/numberlayer.h"
#include "media/picturenames.h"
#include "plaintooltip.h"
#include "media/svgpicture.h"
#include "twips.h"
#include "seat/seatlook.h"

namespace vantry {

namespace {

// Numbers and names are set in the design's small face.
constexpr qreal DesignPoints = 8.0;
constexpr TwipsRect BoardRect{0.0f, 0.0f, ClientWidth, ClientHeight};

QColor ToColour(const Rgb& c) { return QColor(c.r, c.g, c.b); }

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

BoardWidgets::BoardWidgets(QWidget* window, const BoardModel& model) {
    MakeBoard(window, model);
    MakeNameLabels(window);
    MakePictures(window);
    MakeControls(window);
}

void BoardWidgets::MakeBoard(QWidget* window, const BoardModel& model) {
    imgPic = Placed(new SvgPicture(Pictures::Background, window), model.Background(), "imgPic");
    imgPic->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The track is drawn in black until the window's load colours it.
    track = Placed(new BoardLayer(TrackLines(), Qt::black, window), BoardRect, "linM");
    lblCtr = Placed(new NumberLayer(model, window), BoardRect, "lblCtr");
    ladders = Placed(new BoardLayer(LadderLines(), ToColour(LadderOrange), window), BoardRect, "Line1");
}

void BoardWidgets::SetNameText(NameLabel* label, const QString& name) {
    constexpr qreal SmallestPoints = 6.0;
    // The label's face grows with the board: its height against the design's 17 pixels.
    const qreal scale = std::max(0.5, label->height() / qreal(NameLabelRect(0).height / TwipsPerPixel));
    QFont font = label->font();
    qreal points = DesignPoints * scale;
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

void BoardWidgets::ColourTrack() {
    QPalette numberPalette = lblCtr->palette();
    numberPalette.setColor(QPalette::WindowText, Qt::white);
    lblCtr->setPalette(numberPalette);
    lblCtr->update();
    track->SetLineColour(Qt::white);
}

void BoardWidgets::DrawNames(const std::array<std::string, 4>& names, const std::array<bool, 4>& lit,
                             const std::array<bool, 4>& away) {
    for (std::size_t i = 0; i < txtName.size(); ++i) {
        // A slanted name is fitted again.
        const bool slant = txtName[i]->Away() != away[i];
        txtName[i]->SetAway(away[i]);
        const QString name = QString::fromStdString(names[i]);
        if (slant || txtName[i]->text() != name) SetNameText(txtName[i], name);
        txtName[i]->SetLit(lit[i]);
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
    //: The caption on the die before the first throw, asking to click it; it must fit the small face.
    Label1 = new ClickLabel(QCoreApplication::translate("BoardWidgets", "Click"), picToss[FaceCount - 1]);
    Label1->setObjectName("Label1");
    QPalette pale = Label1->palette();
    pale.setColor(QPalette::Window, ToColour(DiePaleYellow));
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
