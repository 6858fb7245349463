#include "player/movie_volume_level.h"

#include <QQmlContext>
#include <QQmlEngine>

MovieVolumeLevel::MovieVolumeLevel(QObject *movieContext) : QObject(movieContext)
{
    setObjectName(QStringLiteral("MovieVolumeLevel"));
}

// Movies share an engine; each runs in a context of its own just below the root context.
MovieVolumeLevel *MovieVolumeLevel::Of(const QObject *qmlObject)
{
    QQmlContext *context = qmlContext(qmlObject);
    QQmlEngine *engine = qmlEngine(qmlObject);
    if (!context || !engine)
        return nullptr;
    while (context->parentContext() && context->parentContext() != engine->rootContext())
        context = context->parentContext();
    auto *level = context->findChild<MovieVolumeLevel *>(QString(), Qt::FindDirectChildrenOnly);
    return level ? level : new MovieVolumeLevel(context);
}

void MovieVolumeLevel::setPercent(double percent)
{
    if (percent == m_percent)
        return;
    m_percent = percent;
    emit percentChanged(percent);
}
