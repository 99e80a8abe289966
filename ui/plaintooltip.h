#pragma once

#include <QString>
#include <QTextDocument>

namespace vantry {

// A tooltip that looks like markup is drawn as markup, so a text someone typed or a file
// supplied is put into markup that shows it exactly as it stands, blanks included.
inline QString PlainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

}  // namespace vantry
