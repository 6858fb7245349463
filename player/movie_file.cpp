#include "player/movie_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

QString &ProgramDirectoryOverride()
{
    static QString directory;
    return directory;
}

QString RuntimeDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString PathIn(const QString &directory)
{
    return QDir(directory).filePath(QString::fromLatin1(MovieFile::FileName));
}

bool WriteWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written)
        QFile::remove(path);
    return written;
}

// The path of a movie file in directory after trying to write bytes there; empty when
// nothing could be written and no earlier file stands there.
QString PlaceIn(const QString &directory, const QByteArray &bytes)
{
    const QString path = PathIn(directory);
    if (QFile::exists(path))
        QFile::remove(path);
    if (QFile::exists(path))
        return path;  // could not be removed: the control gets what it holds
    return WriteWhole(path, bytes) ? path : QString();
}

}  // namespace

QString MovieFile::ProgramDirectory()
{
    const QString &directory = ProgramDirectoryOverride();
    return directory.isEmpty() ? QCoreApplication::applicationDirPath() : directory;
}

void MovieFile::SetProgramDirectory(const QString &directory)
{
    ProgramDirectoryOverride() = directory;
}

QString MovieFile::Write(const QByteArray &bytes)
{
    const QString inProgram = PlaceIn(ProgramDirectory(), bytes);
    if (!inProgram.isEmpty())
        return inProgram;
    const QString inRuntime = PlaceIn(RuntimeDirectory(), bytes);
    return inRuntime.isEmpty() ? PathIn(ProgramDirectory()) : inRuntime;
}
