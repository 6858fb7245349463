#include "tests/support/media_fixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace MediaFixtures {

QString Directory()
{
    static QTemporaryDir dir(QDir::tempPath() + "/qinglan-media-XXXXXX");
    return dir.path();
}

QString Make(const QString &name, double seconds, const QStringList &outputArgs, bool throughPipe)
{
    const QString path = Directory() + "/" + name;
    if (QFileInfo(path).size() > 0)
        return path;
    const QString duration = QString::number(seconds);
    QStringList args{"-hide_banner", "-loglevel", "error", "-y",
                     "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=" + duration,
                     "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=" + duration};
    args << outputArgs;
    QProcess ffmpeg;
    if (throughPipe) {
        args << "pipe:1";
        ffmpeg.setStandardOutputFile(path);
    } else {
        args << path;
    }
    ffmpeg.start("ffmpeg", args);
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0 || QFileInfo(path).size() == 0) {
        QFile::remove(path);
        return {};
    }
    return path;
}

QString Flv(double seconds)
{
    return Make(QString("pattern-%1s.flv").arg(seconds), seconds,
                {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25",
                 "-c:a", "aac", "-b:a", "64k", "-f", "flv"});
}

QString Mp4(double seconds)
{
    return Make(QString("pattern-%1s.mp4").arg(seconds), seconds,
                {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25",
                 "-c:a", "aac", "-b:a", "64k", "-movflags", "+faststart", "-f", "mp4"});
}

QString FlvWithoutDuration(double seconds)
{
    return Make(QString("pattern-%1s-noduration.flv").arg(seconds), seconds,
                {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25",
                 "-c:a", "aac", "-b:a", "64k", "-f", "flv"},
                true);
}

}  // namespace MediaFixtures
