#include "controls/LastFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zenbelts {

namespace {

struct Store {
    LastFolder::StoreOpener open;
    QString key;
};

Store& TheStore()
{
    static Store store;
    return store;
}

}  // namespace

void LastFolder::SetStore(StoreOpener open, const QString& key)
{
    TheStore() = {std::move(open), key};
}

QString LastFolder::Folder()
{
    const Store& store = TheStore();
    if (!store.open || store.key.isEmpty())
        return QString();
    const QString folder = store.open()->value(store.key).toString();
    // A folder since removed or unmounted: the dialog would open somewhere odd.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void LastFolder::Remember(const QString& path)
{
    const Store& store = TheStore();
    if (path.isEmpty() || !store.open || store.key.isEmpty())
        return;
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    store.open()->setValue(store.key, QDir::cleanPath(folder));
}

QString LastFolder::StartFor(const QString& fileName)
{
    const QString folder = Folder();
    if (fileName.isEmpty())
        return folder;
    if (folder.isEmpty() || fileName.contains(QLatin1Char('/')) || QDir::isAbsolutePath(fileName))
        return fileName;
    return QDir(folder).filePath(fileName);
}

}  // namespace zenbelts
