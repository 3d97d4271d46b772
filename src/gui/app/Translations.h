#pragma once

#include <QLocale>
#include <QStringList>

namespace zenbelts {

// The languages the program speaks besides English, as locale names.
QStringList ProgramLanguages();

// Puts the program, and Qt's own dialogs, into the language of the locale
// where a translation exists (English otherwise), and sets the layout
// direction: right to left for Arabic. Replaces what an earlier call
// installed. Returns whether the program's own translation was found.
bool InstallTranslations(const QLocale& locale);

}  // namespace zenbelts
