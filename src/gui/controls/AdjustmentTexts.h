#pragma once

#include <QCoreApplication>
#include <QString>

namespace zenbelts {

// A text of the adjustments' table (their titles, letters, prompts and tips)
// in the user's language.
inline QString AdjustmentText(const char* text)
{
    return QCoreApplication::translate("Adjustment", text);
}

}  // namespace zenbelts
