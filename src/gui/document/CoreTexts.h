#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace zenbelts {

// A text from the core in the user's language where it is one of the texts
// marked for translation ("no such file"), as it is otherwise.
inline QString CoreText(const char* context, const std::string& text)
{
    return QCoreApplication::translate(context, text.c_str());
}

}  // namespace zenbelts
