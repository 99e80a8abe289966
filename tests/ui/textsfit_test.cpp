#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include <cstdlib>
#include <map>
#include <memory>

#include "boardrig.h"
#include "board/filemenu.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmlog.h"
#include "dialogs/frmnew.h"
#include "dialogs/frmrec.h"
#include "dialogs/frmsettings.h"
#include "newgameparts.h"
#include "playeroptions.h"
#include "storefailurenotice.h"
#include "translations.h"

namespace vantry::test {
namespace {

const char* const Languages[] = {"en", "de", "es", "fr", "it", "nl", "pl", "pt_BR"};
const double DesktopPoints[] = {8.0, 10.0, 11.0};

QString Accelerator(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.mid(i + 1, 1).toLower();
    }
    return {};
}

// The box of what a control's text puts on the screen: the control drawn with its text against
// the same control drawn without it, at `size`. Only the pixels are read, so whatever the style
// and the label do with margins, frames, bevels and accelerators is measured as it is drawn.
QRect TextInk(QWidget* control, const QSize& size, const QString& text) {
    const QRect place = control->geometry();
    const QSize largest = control->maximumSize();
    control->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    control->resize(size);
    const auto draw = [&] {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(90, 120, 150));
        control->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
        return image;
    };
    const auto setText = [control](const QString& shown) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(shown);
        if (auto* label = qobject_cast<QLabel*>(control)) label->setText(shown);
    };
    const QImage with = draw();
    setText(QString());
    const QImage without = draw();
    setText(text);
    control->setMaximumSize(largest);
    control->setGeometry(place);

    QRect ink;
    for (int y = 0; y < size.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(with.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(without.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (a[x] != b[x]) ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// The control's text is clipped when it leaves less ink at the control's own size than at a
// size with room to spare on every side. A pixel is allowed for where antialiasing falls when
// the centred text moves.
void ExpectTextWhole(QWidget* control, const QString& text, const QString& where, QStringList& faults) {
    const QFontMetrics metrics(control->font());
    const QSize own = control->size();
    // Only the room to spare is sized from the metrics: the ink must stay the same at a size
    // larger again, or the room was not enough.
    const QSize roomy(2 * own.width() + 2 * metrics.horizontalAdvance(text) + 40, 2 * own.height() + 4 * metrics.height());
    const QRect whole = TextInk(control, roomy, text);
    if (whole.isEmpty()) {
        faults << QStringLiteral("%1: \"%2\" draws nothing").arg(where, text);
        return;
    }
    const QRect larger = TextInk(control, roomy + own, text);
    if (std::abs(larger.width() - whole.width()) > 1 || std::abs(larger.height() - whole.height()) > 1) {
        faults << QStringLiteral("%1: \"%2\" fills even %3x%4 px").arg(where, text).arg(roomy.width()).arg(roomy.height());
        return;
    }
    const QRect shown = TextInk(control, own, text);
    if (shown.width() < whole.width() - 1 || shown.height() < whole.height() - 1) {
        faults << QStringLiteral("%1: \"%2\" is clipped (%3x%4 of %5x%6 px shown)")
                      .arg(where, text)
                      .arg(shown.width())
                      .arg(shown.height())
                      .arg(whole.width())
                      .arg(whole.height());
    }
}

// Every push button and label of the window that shows its text in one line: the text is drawn
// whole, and no two controls of the window share an accelerator unless their texts are the same
// (the four "&Name:" labels).
void CheckVisible(QWidget& window, const QString& where, std::map<QString, QString>& taken, QStringList& faults) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
        auto* label = qobject_cast<QLabel*>(control);
        if (label && !label->wordWrap() && label->textFormat() != Qt::RichText) text = label->text();
        if (text.isEmpty() || !control->isVisibleTo(&window) || control->x() < 0) continue;
        if (qobject_cast<QPushButton*>(control) || label) {
            ExpectTextWhole(control, text, where + ' ' + control->objectName(), faults);
        }
        const QString key = Accelerator(text);
        if (key.isEmpty()) continue;
        const auto [it, fresh] = taken.emplace(key, text);
        if (!fresh && it->second != text) {
            faults << QStringLiteral("%1: \"%2\" and \"%3\" share Alt+%4").arg(where, it->second, text, key);
        }
    }
}

// The window laid out as shown, each of its tabs in turn.
void ExpectFitsAndAcceleratorsDiffer(QWidget& window, const QString& where, QStringList& faults) {
    window.show();
    QCoreApplication::processEvents();
    std::map<QString, QString> taken;
    CheckVisible(window, where, taken, faults);
    for (QTabWidget* tab : window.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tab->count(); ++i) {
            tab->setCurrentIndex(i);
            QCoreApplication::processEvents();
            std::map<QString, QString> page = taken;
            CheckVisible(*tab->widget(i), where, page, faults);
        }
    }
    window.hide();
}

void ExpectMenuAcceleratorsDiffer(const QMenu& menu, const QString& where, QStringList& faults) {
    std::map<QString, QString> taken;
    for (const QAction* action : menu.actions()) {
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        const QString key = Accelerator(text);
        if (key.isEmpty()) continue;
        const auto [it, fresh] = taken.emplace(key, text);
        // The game's own English gives About and Save As the same letter; a translation need not.
        const bool designed = it->second == QLatin1String("&About") && text == QLatin1String("Save &As...");
        if (!fresh && !designed) faults << QStringLiteral("%1: \"%2\" and \"%3\" share %4").arg(where, it->second, text, key);
    }
}

// Every window laid out in every language at the common desktop faces.
TEST(TextsFit, EveryWindowInEveryLanguageAtEightToElevenPoints) {
    const QFont desktop = QApplication::font();
    QStringList faults;
    for (const char* language : Languages) {
        Translations translations;
        if (QLatin1String(language) != QLatin1String("en")) {
            ASSERT_TRUE(translations.Install(QLocale(QString::fromLatin1(language)))) << language;
        }
        for (double points : DesktopPoints) {
            QFont font = desktop;
            font.setPointSizeF(points);
            QApplication::setFont(font);
            const QString at = QStringLiteral("%1 %2 pt").arg(QLatin1String(language)).arg(points);

            NewGameParts parts;
            frmNew dialog(parts.engine, parts.board, parts.commands, parts.prompter, parts.random, &parts.owner);
            ExpectFitsAndAcceleratorsDiffer(dialog, at + " new game", faults);

            parts.state.WinnerName = "Bartholomew";
            parts.state.WinnerMoves = 41;
            frmRec rec(parts.state, parts.prompter, parts.commands, &parts.owner, [] {});
            ExpectFitsAndAcceleratorsDiffer(rec, at + " best players", faults);

            frmAbout about(nullptr, [](const QUrl&) {});
            ExpectFitsAndAcceleratorsDiffer(about, at + " about", faults);

            frmSettings settings(PlayerOptions{}, [](const PlayerOptions&) {}, nullptr);
            settings.adjustSize();
            ExpectFitsAndAcceleratorsDiffer(settings, at + " settings", faults);

            StoreFailureNotice notice;
            frmLog log(parts.engine, parts.prompter, notice, &parts.owner);
            ExpectFitsAndAcceleratorsDiffer(log, at + " game log", faults);

            BoardRig rig;
            auto* go = rig.Find<QPushButton>(QStringLiteral("cmdGo"));
            auto* caption = rig.Find<QLabel>(QStringLiteral("Label1"));
            ExpectTextWhole(go, go->text(), at + " board cmdGo", faults);
            ExpectTextWhole(caption, caption->text(), at + " board Label1", faults);
            ExpectMenuAcceleratorsDiffer(rig.window->Menu(), at + " File menu", faults);
        }
    }
    QApplication::setFont(desktop);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace vantry::test
