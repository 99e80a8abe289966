#include "board/boardwidgets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <QVector>

#include "accessibleroles.h"
#include "board/boardlayout.h"
#include "board/clickpanel.h"
#include "board/dieface.h"
#include "fittext.h"
#include "gamestate.h"
#include "board/namelabel.h"
#include "board/numberlayer.h"
#include "media/picturenames.h"
#include "plaintooltip.h"
#include "board/playfocus.h"
#include "media/svgpicture.h"
#include "seat/seatlook.h"

namespace vantry {

namespace {

// One painted level of the board (the track, the ladders or the turns): lines are drawn, not
// widgets, so a layer covers the client area and lets every click through to what lies below.
class BoardLayer : public QWidget {
public:
    BoardLayer(std::vector<BoardLine> lines, const QColor& colour, QWidget* parent)
        : QWidget(parent), lines_(std::move(lines)), colour_(colour) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        // The lines are laid out at the design's size and drawn at the board's, widths and all.
        const qreal scale = width() / (ClientWidth / TwipsPerPixel);
        painter.scale(scale, scale);
        if (scale != 1.0) painter.setRenderHint(QPainter::Antialiasing);
        // A blinking name or a gliding counter repaints a small part: only the lines through it
        // are drawn again. Lines of one width go to the painter together.
        const QRectF dirty(QPointF(event->rect().topLeft()) / scale, QSizeF(event->rect().size()) / scale);
        QVector<QLineF> run;
        float runWidth = 0.0f;
        const auto drawRun = [&] {
            if (run.isEmpty()) return;
            QPen pen(colour_, runWidth);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            painter.drawLines(run);
            run.clear();
        };
        for (const BoardLine& l : lines_) {
            // A one-pixel line sits on the pixel column its twips name rather than between two.
            const qreal nudge = l.widthPx == 1.0f ? 0.5 : 0.0;
            const QPointF from = PixelPoint(l.line.x1, l.line.y1) + QPointF(nudge, nudge);
            const QPointF to = PixelPoint(l.line.x2, l.line.y2) + QPointF(nudge, nudge);
            const qreal reach = l.widthPx + 1.0;
            if (!QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach).intersects(dirty)) continue;
            if (l.widthPx != runWidth) {
                drawRun();
                runWidth = l.widthPx;
            }
            run.append(QLineF(from, to));
        }
        drawRun();
    }

private:
    const std::vector<BoardLine> lines_;
    const QColor colour_;
};

// The word on the FILE button in a language other than English: the button's picture then
// comes without its word, and this writes the player's own over it, white on a faint shadow
// as the picture draws it, in the largest bold face that fits the picture's room for it.
// It takes no clicks; they reach the picture beneath.
class FileWord : public QWidget {
public:
    FileWord(const QString& word, QWidget* picture) : QWidget(picture), word_(word) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(picture->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        // Where the picture keeps its word: left of the arrow, as fractions of the picture's size.
        constexpr qreal WordLeft = 0.06;
        constexpr qreal WordWidth = 0.76;
        constexpr qreal CapHeight = 0.52;
        constexpr qreal SmallestPixels = 6.0;
        const QRectF room(width() * WordLeft, 0.0, width() * WordWidth, height());
        QFont font = this->font();
        font.setBold(true);
        qreal pixels = height() * CapHeight / 0.72;
        font.setPixelSize(qRound(pixels));
        while (pixels > SmallestPixels && QFontMetricsF(font).horizontalAdvance(word_) > room.width()) {
            pixels -= 1.0;
            font.setPixelSize(qRound(pixels));
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(QColor(15, 36, 74, 150));
        painter.drawText(room.translated(1.0, 1.0), Qt::AlignCenter, word_);
        painter.setPen(Qt::white);
        painter.drawText(room, Qt::AlignCenter, word_);
    }

private:
    const QString word_;
};

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
    if (fileWord_ != nullptr) fileWord_->setGeometry(imgFile->rect());
    for (NameLabel* label : txtName) SetNameText(label, label->text());
}

BoardWidgets::BoardWidgets(QWidget* window) {
    Placed(new SvgPicture(Pictures::Background, window), BoardRect, "imgPic")
        ->setAttribute(Qt::WA_TransparentForMouseEvents);
    Placed(new BoardLayer(TrackLines(), Qt::white, window), BoardRect, "linM");
    Placed(new NumberLayer(window), BoardRect, "lblCtr");
    Placed(new BoardLayer(LadderLines(), LadderOrange, window), BoardRect, "Line1");

    for (int i = 0; i < 4; ++i) {
        auto* label = Placed(new NameLabel(SeatLook::Colour(i), SeatLook::TextColour(i), window),
                             NameLabelRect(i), QString("txtName(%1)").arg(i));
        // A design name, not a text: it is saved and compared as it stands in every language.
        SetNameText(label, QString("Unknown%1").arg(i + 1));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        txtName[static_cast<std::size_t>(i)] = label;
    }
    Placed(new BoardLayer(TurnLines(), Qt::white, window), BoardRect, "Line8");

    Placed(new SvgPicture(Pictures::House, window), HouseRect, "Image1");
    // The button's picture carries the English word; another language's goes on a blank face.
    const QString fileWord = QCoreApplication::translate("BoardWidgets", "FILE", "the word on the File menu's button");
    const bool english = fileWord == QLatin1String("FILE");
    imgFile = Placed(new SvgPicture(english ? Pictures::File : Pictures::FileButton, window), FileButtonRect, "imgFile");
    if (!english) fileWord_ = new FileWord(fileWord, imgFile);
    imgFile->setCursor(Qt::PointingHandCursor);
    // The snakes Image2..Image8.
    for (std::size_t n = 0; n < SnakeRects.size(); ++n) {
        const int image = static_cast<int>(n) + 2;
        Placed(new SvgPicture(Pictures::Snake(image), window), SnakeRects[n], QString("Image%1").arg(image))
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

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

void BoardWidgets::Draw(const GameState& state, bool here, PlayFocus& focus) {
    const auto enable = [&focus](QWidget* control, bool enabled) {
        if (!enabled) focus.Leaving(control);
        control->setEnabled(enabled);
    };
    // Only the face on show is visible.
    for (int k = 0; k < FaceCount; ++k) {
        DieFace* face = picToss[static_cast<std::size_t>(k)];
        const bool shown = k == state.ShownFace;
        if (!shown) focus.Leaving(face);
        face->setHidden(!shown);
        enable(face, !shown || (here && state.FaceEnabled));
    }
    for (std::size_t s = 0; s < SeatCount; ++s) enable(picM[s], here && state.CounterEnabled[s]);
    enable(cmdGo, here && state.GoEnabled);
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

}  // namespace vantry
