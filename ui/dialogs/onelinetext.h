#pragma once

#include <QValidator>

namespace vantry {

// Text that stands on one line: a player's name, on the board and in the saved game (whose reader
// would end the field at a line break), or a line of chat. Whatever reaches its box (typed,
// pasted, dropped) keeps no control characters: a run of line breaks or tabs between words
// becomes one blank, so that a pasted "Ann" and "Smith" on two lines reads "Ann Smith", and any
// other control character is left out.
class OneLineText final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        QString kept;
        kept.reserve(input.size());
        int keptPos = -1;
        bool gap = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (i == pos) keptPos = static_cast<int>(kept.size());
            const QChar c = input.at(i);
            const QChar::Category category = c.category();
            if (category != QChar::Other_Control && category != QChar::Separator_Line &&
                category != QChar::Separator_Paragraph) {
                if (gap) kept += QLatin1Char(' ');
                gap = false;
                kept += c;
            } else if (c.isSpace()) {
                gap = !kept.isEmpty();
            }
        }
        pos = keptPos < 0 ? static_cast<int>(kept.size()) : keptPos;
        input = kept;
        return Acceptable;
    }
};

}  // namespace vantry
