#pragma once

#include "io/FileAccess.h"
#include "text/Message.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <string>

namespace zenbelts {

// Words from the core in the user's language: every marked part translated,
// names and numbers as they are (each an isolated run in right-to-left text,
// so that it keeps its order), control bytes made visible.
inline QString CoreText(const Message& message)
{
    const bool rightToLeft = QGuiApplication::isRightToLeft();
    const std::string text = message.Render(
        [](const char* context, const std::string& pattern) {
            return QCoreApplication::translate(context, pattern.c_str()).toStdString();
        },
        [rightToLeft](const std::string& literal) {
            // First-strong isolates: a number runs left to right, an Arabic name right to left.
            const std::string shown = PrintableText(literal);
            return rightToLeft && !shown.empty() ? "\u2068" + shown + "\u2069" : shown;
        });
    return QString::fromStdString(text);
}

// CoreText for drawing routines of the core that take their words as UTF-8.
inline std::string CoreWords(const Message& message)
{
    return CoreText(message).toStdString();
}

// A number, angle or coordinate pair kept as one left-to-right run where it
// stands in right-to-left text, so that "43°20'N, 77°00'E" and "-19.7°"
// keep their order. Left-to-right text has no need of it and stays as it is.
inline QString LeftToRight(const QString& text)
{
    if (!QGuiApplication::isRightToLeft() || text.isEmpty())
        return text;
    return QChar(0x2066) + text + QChar(0x2069);
}

inline QString LeftToRight(const std::string& utf8)
{
    return LeftToRight(QString::fromStdString(utf8));
}

}  // namespace zenbelts
