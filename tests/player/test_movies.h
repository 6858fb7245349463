#pragma once
// Small movies written by the tests themselves.

#include <QByteArray>
#include <QString>

namespace TestMovies {

// Registers functions of every reply type and a command property "command" whose setter
// counts its calls; the root has a property "title".
QByteArray BridgeMovie();

// Writes bytes to a file name in dir and gives its path (empty on failure).
QString WriteFile(const QString &dir, const QString &name, const QByteArray &bytes);

}  // namespace TestMovies
