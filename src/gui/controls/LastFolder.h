#pragma once

#include <QString>

namespace zenbelts {

// The folder that file dialogs start in: the one the user last took a file
// from or wrote one to, whichever dialog it was, kept in the program's
// settings so that the next start finds it too.
class LastFolder {
public:
    // The remembered folder while it still exists; empty otherwise, which
    // leaves the dialog to its own choice.
    static QString Folder();
    // Remembers the folder of a chosen file, or a chosen folder itself.
    static void Remember(const QString& path);
    // Where a save dialog starts: a bare file name in the remembered folder,
    // a path with a folder of its own as it is.
    static QString StartFor(const QString& fileName);
};

}  // namespace zenbelts
