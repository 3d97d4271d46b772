#pragma once

#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace zenbelts {

// The folder that file dialogs start in: the one the user last took a file
// from or wrote one to, whichever dialog it was, kept in the program's
// settings store so that the next start finds it too.
class LastFolder {
public:
    using StoreOpener = std::function<std::unique_ptr<QSettings>()>;

    // Where the folder is kept, under key. Without a store (a dialog on its
    // own, in tests) nothing is remembered.
    static void SetStore(StoreOpener open, const QString& key);

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
