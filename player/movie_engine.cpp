#include "player/movie_engine.h"

#include "player/movie_types.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>

QQmlEngine *SharedMovieEngine()
{
    static QQmlEngine *engine = [] {
        // The video items render through OpenGL; this must precede the first Quick window.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
        RegisterMovieTypes();
        return new QQmlEngine(QCoreApplication::instance());
    }();
    return engine;
}
