#include "player/flash_host.h"

#include "player/movie_file.h"
#include "player/right_click_hook.h"

#include <QFile>

namespace {

QByteArray PlayerMovieBytes()
{
    QFile movie(QStringLiteral(":/assets/movie/player_movie.qml"));
    return movie.open(QIODevice::ReadOnly) ? movie.readAll() : QByteArray();
}

}  // namespace

FlashHost::FlashHost() = default;
FlashHost::~FlashHost() = default;
FlashHost::FlashHost(const FlashHost &other) = default;
FlashHost &FlashHost::operator=(const FlashHost &other) = default;

void FlashHost::Init(QWidget *parent, int x, int y, int width, int height,
                     RightClickCallback callback)
{
    m_moviePath = MovieFile::Write(PlayerMovieBytes());
    m_control.Create(parent, x, y, width, height);
    m_control.SetAllowFullScreen(QStringLiteral("true"));
    m_control.SetMovie(m_moviePath);
    QFile::remove(m_moviePath);
    InstallRightClickHook(m_control.ParentWindow(), callback);
}

QWidget *FlashHost::ParentWindow() const
{
    return m_control.ParentWindow();
}

void FlashHost::Move(int x, int y, int width, int height)
{
    m_control.Move(x, y, width, height);
}
