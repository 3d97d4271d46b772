#pragma once

#include <QString>

namespace zenbelts {

// text with an Alt letter: its first letter that no text in taken has as its
// own, so that rows named from a table of titles get letters of their own in
// every language. taken gains the result.
inline QString WithMnemonic(const QString& text, QString& taken)
{
    const QString used = taken.toLower();
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].isLetter() && !used.contains(QStringLiteral("&") + text[i].toLower())) {
            const QString result = text.left(i) + QLatin1Char('&') + text.mid(i);
            taken += result;
            return result;
        }
    }
    return text;
}

}  // namespace zenbelts
