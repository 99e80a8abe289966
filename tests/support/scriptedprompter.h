#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

#include "prompter.h"

namespace vantry::test {

// Answers message boxes and file dialogs from a script and records what was asked.
// An unscripted question answers Cancel and an unscripted dialog is cancelled.
class ScriptedPrompter : public Prompter {
public:
    void Message(const QString& text, Icon icon = Icon::None) override {
        messages << text;
        icons.push_back(icon);
    }
    Answer AskYesNoCancel(const QString& text) override {
        questions << text;
        if (answers.empty()) return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> OpenFileName(const QString& title, const QString& filter) override {
        return Dialog(title, filter);
    }
    std::optional<QString> SaveFileName(const QString& title, const QString& filter) override {
        return Dialog(title, filter);
    }

    std::optional<QString> AskText(const QString& label) override {
        questions << label;
        if (texts.empty()) return std::nullopt;
        const QString text = texts.front();
        texts.pop_front();
        return text;
    }

    QStringList messages;
    std::deque<Icon> icons;
    QStringList questions;
    QStringList dialogTitles;
    QStringList dialogFilters;
    std::deque<Answer> answers;
    // Each entry answers one file dialog: a path, or no value for Cancel.
    std::deque<std::optional<QString>> files;
    // Each entry answers one question for a line of text; none left answers Cancel.
    std::deque<QString> texts;

private:
    std::optional<QString> Dialog(const QString& title, const QString& filter) {
        dialogTitles << title;
        dialogFilters << filter;
        if (files.empty()) return std::nullopt;
        // Taken apart by hand: copying the optional trips a false maybe-uninitialized in GCC 12.
        const bool chosen = files.front().has_value();
        const QString path = chosen ? *files.front() : QString();
        files.pop_front();
        if (!chosen) return std::nullopt;
        return path;
    }
};

}  // namespace vantry::test
