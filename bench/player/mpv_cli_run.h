#pragma once
// mpv's own command-line player, for comparison: the time to its first playback restart
// and the CPU time a run uses.

#include <QString>
#include <QStringList>

namespace MpvCli {

// Milliseconds from starting `mpv --no-config --vo=null --ao=null` on address to its
// "playback restart complete" message; -1 when it never comes.
double StartMilliseconds(const QString &address);

// Plays address for seconds with extra options; the CPU seconds the mpv process used
// (user + system, from /proc/<pid>/stat), -1 on failure.
double PlayCpuSeconds(const QString &address, double seconds, const QStringList &options);

}  // namespace MpvCli
