#include "qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "document.h"
#include "media/programicon.h"

namespace vantry {

namespace {

std::optional<QString> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}

// A game saved under a name without the extension can still be found; the game's own filter
// stays first, so the dialog starts with it.
QString DialogFilters(const QString& filter) {
    return filter + QStringLiteral(";;") + QCoreApplication::translate("vantry::QtPrompter", "All Files (*)");
}

std::optional<QString> Ask(const QString& label, QLineEdit::EchoMode echo) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), Document::Title, label, echo, QString(), &ok);
    if (!ok) return std::nullopt;
    return text;
}
}  // namespace

void QtPrompter::Message(const QString& text, Icon icon) {
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, Document::Title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    // Names, paths and system texts are shown as they stand, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(ProgramIcon());
    box.exec();
}

Prompter::Answer QtPrompter::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Document::Title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
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

std::optional<QString> QtPrompter::AskText(const QString& label) { return Ask(label, QLineEdit::Normal); }
std::optional<QString> QtPrompter::AskSecret(const QString& label) { return Ask(label, QLineEdit::Password); }

}  // namespace vantry
