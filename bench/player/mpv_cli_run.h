#pragma once
// mpv's own command-line player, for comparison: the time to its first playback restart
// and the CPU time a run uses.

#include <QString>
#include <QStringList>

namespace MpvCli {

// Milliseconds from starting `mpv --no-config --vo=null --ao=null` on address to its
// "playback restart complete" message; -1 when it never comes.
double StartMilliseconds(const QString &address);

// Plays address with extra options; the CPU seconds (user + system, from /proc/<pid>/stat)
// the mpv process used in `seconds` of playing, counted from `warmUp` seconds after its
// start so that start-up is left out, as it is for the program. -1 on failure.
double PlayCpuSeconds(const QString &address, double seconds, const QStringList &options,
                      double warmUp = 2);

}  // namespace MpvCli
