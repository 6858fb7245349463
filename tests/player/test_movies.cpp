#include "test_movies.h"

#include <QDir>
#include <QFile>

QByteArray TestMovies::BridgeMovie()
{
    return R"QML(import QtQuick

Rectangle {
    id: root
    width: 320; height: 240
    color: "black"
    property string title: "initial"
    property int setterCalls: 0
    property string lastCommand: ""

    Component.onCompleted: {
        MovieHost.addCallback("text", function() { return "a<&>b"; });
        MovieHost.addCallback("number", function() { return 12.5; });
        MovieHost.addCallback("nothing", function() { return undefined; });
        MovieHost.addCallback("empty", function() { return null; });
        MovieHost.addCallback("yes", function() { return true; });
        MovieHost.addCallback("no", function() { return false; });
        MovieHost.addCallback("echo", function(a, b) { return String(a) + "|" + String(b); });
        MovieHost.addCallback("throws", function() { throw new Error("broken"); });
        MovieHost.addCallback("calls", function() { return String(root.setterCalls); });
        MovieHost.addCallback("last", function() { return root.lastCommand; });
        MovieHost.addCallback("stage", function() { return MovieHost.stageWidth + "x" + MovieHost.stageHeight; });
        MovieHost.addCallback("replaced", function() { return "old"; });
        MovieHost.addCallback("replaced", function() { return "new"; });
        MovieHost.addProperty("command", function(v) { root.setterCalls++; root.lastCommand = v; });
    }
}
)QML";
}

QString TestMovies::WriteFile(const QString &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}
