// Cost of the calls the player makes on its control: queries through CallFunction,
// commands through setVariable, the start-up write/load/delete of the movie, and the
// right-click hook's share of ordinary events. Prints figures; asserts nothing.

#include "player/flash_host.h"
#include "player/movie_file.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

namespace {

const char *BenchMovie = R"QML(import QtQuick
Item {
    property string code: "1"
    Component.onCompleted: {
        MovieHost.addCallback("qbfzt", function() { return code; });
        MovieHost.addProperty("playkz", function(v) { code = v === "play" ? "2" : "0"; });
    }
}
)QML";

template <typename F>
double MicrosecondsPer(int rounds, F &&f)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        f();
    return double(timer.nsecsElapsed()) / 1000.0 / rounds;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    MovieFile::SetProgramDirectory(dir.path());

    QWidget window;
    window.resize(640, 480);
    window.show();

    QElapsedTimer timer;
    timer.start();
    FlashHost host;
    host.Init(&window, 140, 120, 375, 240, [](int, int, int) {});
    out << "Init (write, load, delete the movie, hook): " << timer.nsecsElapsed() / 1000 << " us\n";

    FlashControl &control = host.Control();
    const QString moviePath = dir.filePath(QStringLiteral("bench.qml"));
    {
        QFile file(moviePath);
        file.open(QIODevice::WriteOnly);
        file.write(BenchMovie);
    }
    timer.restart();
    control.SetMovie(moviePath);
    out << "Movie load from a file: " << timer.nsecsElapsed() / 1000 << " us\n";

    const QString request = QStringLiteral("<invoke name='qbfzt' returntype='xml'></invoke>");
    const int rounds = 20000;
    out << "CallFunction query: "
        << MicrosecondsPer(rounds, [&] { control.CallFunction(request); }) << " us/call\n";
    out << "SetVariable command: "
        << MicrosecondsPer(rounds, [&] { control.SetVariable(QStringLiteral("playkz"), QStringLiteral("play")); })
        << " us/call\n";
    out << "GetReadyState by name: "
        << MicrosecondsPer(rounds, [&] { control.GetReadyState(); }) << " us/call\n";

    QWidget plain;
    QWidget *hooked = control.HostWindow();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, {});
    out << "Mouse move through a hooked widget: "
        << MicrosecondsPer(rounds, [&] { QApplication::sendEvent(hooked, &move); }) << " us/event\n";
    out << "Mouse move through an unhooked widget: "
        << MicrosecondsPer(rounds, [&] { QApplication::sendEvent(&plain, &move); }) << " us/event\n";
    return 0;
}
