#include "player/movie_types.h"

#include "player/movie_sound.h"
#include "player/mpv_video_item.h"
#include "player/net_stream.h"

#include <QQuickWindow>
#include <QtQml>

void RegisterMovieTypes()
{
    static const bool registered = [] {
        // mpv's render API draws with OpenGL, so the scene graph must run on it.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
        qmlRegisterType<NetStream>("Qinglan.Movie", 1, 0, "NetStream");
        qmlRegisterType<MpvVideoItem>("Qinglan.Movie", 1, 0, "MovieVideo");
        qmlRegisterType<MovieSound>("Qinglan.Movie", 1, 0, "MovieSound");
        return true;
    }();
    (void)registered;
}
