#include "player_window.h"

#include "player/movie_sound.h"
#include "player/net_stream.h"
#include "player/player_control.h"

#include <QQuickItem>
#include <QtTest>

PlayerWindow::PlayerWindow(const QString &moviePath)
{
    m_window.resize(640, 480);
    m_window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
    m_host.Init(&m_window, 140, 120, m_window.width() - 265, m_window.height() - 240, {});
    if (!moviePath.isEmpty())
        m_host.Control().SetMovie(moviePath);
    QCoreApplication::processEvents();
}

QWidget *PlayerWindow::videoArea()
{
    return m_host.Control().HostWindow();
}

QQuickItem *PlayerWindow::movieRoot()
{
    auto *control = qobject_cast<PlayerControl *>(m_host.Control().GetObject());
    return control ? control->rootItem() : nullptr;
}

NetStream *PlayerWindow::stream()
{
    QQuickItem *root = movieRoot();
    return root ? root->findChild<NetStream *>() : nullptr;
}

MovieSound *PlayerWindow::sound()
{
    QQuickItem *root = movieRoot();
    return root ? root->findChild<MovieSound *>() : nullptr;
}

bool PlayerWindow::waitForState(PlayerState state, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (m_host.State() == state)
            return true;
        QTest::qWait(20);
    }
    return m_host.State() == state;
}

QString InvokeRequest(const char *name)
{
    return QStringLiteral("<invoke name='%1' returntype='xml'></invoke>").arg(QLatin1String(name));
}
