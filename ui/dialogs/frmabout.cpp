#include "dialogs/frmabout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>

#include "aboutvalues.h"
#include "accessibleroles.h"
#include "fittext.h"
#include "media/picturenames.h"
#include "media/programicon.h"
#include "media/svgpicture.h"
#include "twips.h"

namespace vantry {

namespace {

constexpr int ClientWidth = 4020;
constexpr int ClientHeight = 3705;
constexpr float PanelWidth = 3975.0f;
constexpr float PanelHeight = 2535.0f;
constexpr float LineHeight = 255.0f;
constexpr float LineSpacing = 500.0f;
constexpr int RuleY = 2580;
constexpr int RuleRight = 4080;
// The coarsest classic desktop timer ticks 18.2 times a second; at 50 twips a tick a line
// takes some three seconds to cross the panel, time enough to read it.
constexpr int ScrollIntervalMs = 55;

const QString ContactAddress = QStringLiteral("info@hollowmere.example");
const QString WebAddress = QStringLiteral("www.hollowmere.example");

// The lines that name who comes on the next line.
constexpr int WrittenByIndex = 0;
constexpr int PublishedByIndex = 8;

// Lines 6 and 7 are the licence lines; their placeholders are replaced at load. People's and
// the publisher's names are the same in every language.
const std::array<const char*, 10> CreditTexts{
    QT_TRANSLATE_NOOP("vantry::frmAbout", "Written by"),
    "Tamsin Orrell",
    QT_TRANSLATE_NOOP("vantry::frmAbout", "Griphics:"),
    "Bram Kettleby",
    "Ysolde Marrin",
    QT_TRANSLATE_NOOP("vantry::frmAbout", "This copy is licensed to:"),
    QT_TRANSLATE_NOOP("vantry::frmAbout", "Name"),
    QT_TRANSLATE_NOOP("vantry::frmAbout", "Company"),
    QT_TRANSLATE_NOOP("vantry::frmAbout", "Published by"),
    "Hollowmere Software",
};

}  // namespace

frmAbout::frmAbout(QWidget* owner, UrlOpener openUrl) : QDialog(owner), openUrl_(std::move(openUrl)) {
    setObjectName("frmAbout");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    resize(PixelEdge(ClientWidth), PixelEdge(ClientHeight));

    Picture1_ = new QWidget(this);
    // A screen reader reads the credits from the panel once, as one text; the lines that rise
    // through it are kept quiet, or every step of the scroll could be told.
    AccessibleRoles::Set(Picture1_, QAccessible::StaticText);
    Picture1_->setObjectName("Picture1");
    Picture1_->setGeometry(PixelRect(0, 0, PanelWidth, PanelHeight));
    // Dark behind the picture, so the white lines stay readable wherever it leaves a gap.
    Picture1_->setAutoFillBackground(true);
    QPalette dark = Picture1_->palette();
    dark.setColor(QPalette::Window, Qt::black);
    Picture1_->setPalette(dark);

    auto* Image1 = new SvgPicture(Pictures::Background, Picture1_);
    Image1->setObjectName("Image1");
    Image1->setGeometry(Picture1_->rect());

    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    for (int i = 0; i < LineCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        auto* line = new QLabel(Picture1_);
        AccessibleRoles::Silence(line);
        line->setObjectName(QStringLiteral("lbl(%1)").arg(i));
        // Two of the lines show the machine-wide values as they stand.
        line->setTextFormat(Qt::PlainText);
        line->setPalette(white);
        line->setAttribute(Qt::WA_TranslucentBackground);
        lbl_[at] = line;
        if (i == TitleIndex) continue;
        line->setText(tr(CreditTexts[at]));
        // Stacked below the panel, each under the one before.
        lblPlace_[at] = {(i == 4 || i == 5) ? -120.0f : 0.0f, PanelHeight + LineSpacing * static_cast<float>(i + 1),
                         PanelWidth, LineHeight};
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setGeometry(PixelRect(lblPlace_[at]));
    }
    QLabel* title = lbl_[TitleIndex];
    // The edition is held together, so the wrap can only fall in the run of spaces after the
    // name and "3rd Edition" makes the second line.
    title->setText(QStringLiteral("Vantry         ") + tr("3rd Edition").replace(QLatin1Char(' '), QChar(0x00A0)));
    title->setWordWrap(true);
    title->setFont(QFont(QStringLiteral("Arial"), 18, QFont::Bold));
    lblPlace_[TitleIndex] = {120.0f, 720.0f, 3495.0f, 1035.0f};
    title->setGeometry(PixelRect(lblPlace_[TitleIndex]));

    // The maker's mail and web links.
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    const auto link = [&](const char* name, const QString& text, int left, int top) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setPalette(blue);
        label->setCursor(Qt::PointingHandCursor);
        label->move(PixelEdge(left), PixelEdge(top));
        label->resize(label->sizeHint().width(), std::max(PixelEdge(195), label->sizeHint().height()));
        label->installEventFilter(this);
        return label;
    };
    lblEmail_ = link("lblEmail", tr("E-mail: %1").arg(ContactAddress), 720, 2640);
    link("lblWSite", tr("W-site: %1").arg(WebAddress), 360, 2880);

    auto* Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(PixelRect(1440, 3240, 1215, 375));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    FitText::FitAll(this);

    Timer1_.setObjectName("Timer1");
    Timer1_.setInterval(ScrollIntervalMs);
    connect(&Timer1_, &QTimer::timeout, this, &frmAbout::Timer1_Timer);

    // Centred on the screen rather than on the board; a placed window is not moved again.
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) move(screen->availableGeometry().center() - rect().center());

    Form_Load();
}

void frmAbout::Form_Load() {
    const QStringList values = ReadAboutValues();
    setWindowTitle(tr("Vantry - About"));
    lbl_[6]->setText(values.value(0));
    lbl_[7]->setText(values.value(1));
    // One text read in one breath: a line that leads into the next ("Written by", "Griphics:")
    // runs on.
    QString text = lbl_[TitleIndex]->text().simplified();
    bool runOn = false;
    for (int i = 0; i < TitleIndex; ++i) {
        const QString line = lbl_[static_cast<std::size_t>(i)]->text().simplified();
        if (line.isEmpty()) continue;
        text += (runOn ? QStringLiteral(" ") : QStringLiteral(". ")) + line;
        runOn = i == WrittenByIndex || i == PublishedByIndex || line.endsWith(QLatin1Char(':'));
    }
    Picture1_->setAccessibleName(text);

    Timer1_.start();
}

void frmAbout::Timer1_Timer() {
    for (std::size_t i = 0; i < LineCount; ++i) {
        lblPlace_[i].top -= ScrollStep;
        lbl_[i]->setGeometry(PixelRect(lblPlace_[i]));
    }
    const auto gone = [](const TwipsRect& line) { return line.top + line.height <= 0.0f; };
    if (std::all_of(lblPlace_.begin(), lblPlace_.end(), gone)) Timer1_.stop();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    // Only the two links are watched. A release outside the link is a click taken back.
    const auto* link = static_cast<QWidget*>(watched);
    const auto* mouse = event->type() == QEvent::MouseButtonRelease ? static_cast<QMouseEvent*>(event) : nullptr;
    if (mouse && mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint())) {
        openUrl_(link == lblEmail_ ? QUrl(QStringLiteral("mailto:") + ContactAddress)
                                   : QUrl(QStringLiteral("https://") + WebAddress));
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(PixelPoint(0, RuleY), PixelPoint(RuleRight, RuleY));
}

}  // namespace vantry
