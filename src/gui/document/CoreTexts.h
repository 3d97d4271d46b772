#pragma once

#include "io/FileAccess.h"
#include "text/Message.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace zenbelts {

// Words from the core in the user's language: every marked part translated,
// names and numbers as they are, control bytes made visible.
inline QString CoreText(const Message& message)
{
    const std::string text = message.Render([](const char* context, const std::string& pattern) {
        return QCoreApplication::translate(context, pattern.c_str()).toStdString();
    });
    return QString::fromStdString(PrintableText(text));
}

}  // namespace zenbelts
