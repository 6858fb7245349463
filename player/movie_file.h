#pragma once
// The player movie's short-lived file: written before the control loads it, deleted right
// after. It goes in the program's directory when that can be written, otherwise in the
// user's runtime directory.

#include <QByteArray>
#include <QString>

namespace MovieFile {

inline constexpr const char *FileName = "VAziPlay.Swf";

// The directory the program runs from. A test may point it elsewhere; empty restores it.
QString ProgramDirectory();
void SetProgramDirectory(const QString &directory);

// Replaces any file of that name with bytes and gives its full path. A file that cannot
// be removed is left as it is and its path given; when the program's directory cannot
// be written, the runtime directory is used instead.
QString Write(const QByteArray &bytes);

}  // namespace MovieFile
