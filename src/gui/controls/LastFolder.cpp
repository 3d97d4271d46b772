#include "controls/LastFolder.h"

#include "document/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zenbelts {

QString LastFolder::Folder()
{
    const QString folder = QSettings().value(QString::fromLatin1(keys::LastFolder)).toString();
    // A folder since removed or unmounted: the dialog would open somewhere odd.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void LastFolder::Remember(const QString& path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    QSettings().setValue(QString::fromLatin1(keys::LastFolder), QDir::cleanPath(folder));
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
