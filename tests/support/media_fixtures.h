#pragma once
// Media files made by ffmpeg during the test run: a few seconds of test pattern and tone.

#include <QString>
#include <QStringList>

namespace MediaFixtures {

// Directory that holds the generated files for this test process (created on first use).
QString Directory();

// A file `name` in Directory() made by ffmpeg from `seconds` of 320x240 test pattern and a
// 440 Hz tone, with `outputArgs` before the output (container/codec choices). With
// `throughPipe`, ffmpeg writes to a pipe, so the muxer cannot go back and fill in the
// duration. Made once per process; an empty text when ffmpeg fails.
QString Make(const QString &name, double seconds, const QStringList &outputArgs,
             bool throughPipe = false);

QString Flv(double seconds = 5);            // FLV (H.264 + AAC) with duration metadata
QString Mp4(double seconds = 5);            // MP4 (H.264 + AAC), faststart
QString FlvWithoutDuration(double seconds = 5);  // FLV written through a pipe

}  // namespace MediaFixtures
