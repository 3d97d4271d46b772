#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

namespace zenbelts {

// A file name as the user chose it, in the bytes the file system and the core take.
inline std::filesystem::path FileSystemPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

inline std::vector<std::filesystem::path> FileSystemPaths(const QStringList& paths)
{
    std::vector<std::filesystem::path> out;
    out.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        out.push_back(FileSystemPath(path));
    return out;
}

}  // namespace zenbelts
