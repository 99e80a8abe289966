#include "fittext.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QWidget>

namespace vantry {

namespace {

QString Shown(QString text) {
    // An accelerator's ampersand takes no room; a doubled one shows as one.
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The room the control's text takes in its present face.
int Needed(const QWidget* control) {
    QString text;
    if (const auto* button = qobject_cast<const QPushButton*>(control)) text = button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) text = label->text();
    const QFontMetrics metrics(control->font());
    int widest = 0;
    for (const QString& line : Shown(text).split(QLatin1Char('\n'))) widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// The room the control has for its text.
int Room(const QWidget* control) {
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->contentsRect().width() - 2 * label->margin();
    }
    return control->width();
}

}  // namespace

void FitText::Fit(QWidget* control, double smallestPoints) {
    QFont font = control->font();
    while (Needed(control) > Room(control) && font.pointSizeF() - 0.25 >= smallestPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
}

void FitText::FitAll(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) Fit(button);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->wordWrap() && label->textFormat() != Qt::RichText && label->pixmap().isNull()) Fit(label);
    }
}

}  // namespace vantry
