#include "qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "media/programicon.h"

namespace vantry {

namespace {
const QString Title = "Vantry";

std::optional<QString> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}
}  // namespace

void QtPrompter::Message(const QString& text, Icon icon) {
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, Title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Names, paths and system texts are shown as they stand, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(ProgramIcon());
    box.exec();
}

Prompter::Answer QtPrompter::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(ProgramIcon());
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
    }
}

std::optional<QString> QtPrompter::OpenFileName(const QString& title, const QString& filter) {
    return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QString(), DialogFilters(filter)));
}

std::optional<QString> QtPrompter::SaveFileName(const QString& title, const QString& filter) {
    return Chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), title, QString(), DialogFilters(filter)));
}

std::optional<QString> QtPrompter::AskText(const QString& label) { return Ask(label, false); }
std::optional<QString> QtPrompter::AskSecret(const QString& label) { return Ask(label, true); }

std::optional<QString> QtPrompter::Ask(const QString& label, bool secret) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), QStringLiteral("Vantry"), label,
                                               secret ? QLineEdit::Password : QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return text;
}

// A game saved under a name without the extension can still be found; the game's own filter
// stays first, so the dialog starts with it.
QString QtPrompter::DialogFilters(const QString& filter) {
    return QtFilter(filter) + QStringLiteral(";;") + QCoreApplication::translate("vantry::QtPrompter", "All Files (*)");
}

QString QtPrompter::QtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(';', ' ').trimmed();
        // Qt reads the patterns from the parentheses of the description.
        filters << (description.contains('(') ? description : description + " (" + patterns + ")");
    }
    if (filters.isEmpty() && !filter.isEmpty()) filters << filter;
    return filters.join(";;");
}

}  // namespace vantry
