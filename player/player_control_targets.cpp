// Timeline targets of a running movie: "/" (or "_root", "_level0", "") is the root item,
// "/a/b" or "a.b" an item found by object name below it; property numbers follow the
// classic movie-clip order (_x, _y, _xscale, … _ymouse).

#include "player/movie_picture.h"
#include "player/player_control.h"

#include <QCursor>
#include <QQuickItem>

namespace {

enum TargetProperty {
    PropX, PropY, PropXScale, PropYScale, PropCurrentFrame, PropTotalFrames, PropAlpha,
    PropVisible, PropWidth, PropHeight, PropRotation, PropTarget, PropFramesLoaded, PropName,
    PropDropTarget, PropUrl, PropHighQuality, PropFocusRect, PropSoundBufTime, PropQuality,
    PropXMouse, PropYMouse
};

bool IsRootTarget(const QString &target)
{
    return target.isEmpty() || target == u"/" || target == u"_root" || target == u"_level0";
}

QString TargetPathOf(const QObject *object, const QObject *root)
{
    QString path;
    for (; object && object != root; object = object->parent())
        path.prepend(u'/' + object->objectName());
    return path.isEmpty() ? QStringLiteral("/") : path;
}

QString NumberText(double value)
{
    return QString::number(value, 'g', 15);
}

}  // namespace

QObject *PlayerControl::targetObject(const QString &target) const
{
    QQuickItem *root = rootItem();
    if (!root)
        return nullptr;
    if (IsRootTarget(target))
        return root;
    QString path = target;
    path.replace(u'.', u'/');
    if (path.startsWith(QStringLiteral("_root/")))
        path = path.mid(5);
    QObject *object = root;
    for (const QString &name : path.split(u'/', Qt::SkipEmptyParts)) {
        object = object->findChild<QObject *>(name);
        if (!object)
            return nullptr;
    }
    return object;
}

QVariant PlayerControl::targetProperty(const QString &target, int property) const
{
    if (m_picture && IsRootTarget(target)) {
        // A picture is a one-clip stage: its frames and size, nothing placed or named.
        switch (property) {
        case PropCurrentFrame: return CurrentFrame() + 1;
        case PropTotalFrames: case PropFramesLoaded: return totalFrames();
        case PropWidth: return m_picture->size().width();
        case PropHeight: return m_picture->size().height();
        case PropXScale: case PropYScale: case PropAlpha: return 100;
        case PropVisible: return 1;
        case PropTarget: return QStringLiteral("/");
        case PropUrl: return m_movieAddress;
        default: break;
        }
    }
    QObject *object = targetObject(target);
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!object)
        return {};
    switch (property) {
    case PropCurrentFrame: return 1;
    case PropTotalFrames: case PropFramesLoaded: return 1;
    case PropTarget: return TargetPathOf(object, rootItem());
    case PropName: return object->objectName();
    case PropDropTarget: return QString();
    case PropUrl: return m_movieAddress;
    case PropHighQuality: return m_quality == 0 || m_quality == 2 ? 0 : (m_quality == 5 ? 2 : 1);
    case PropFocusRect: return 1;
    case PropSoundBufTime: return 5;
    case PropQuality: return quality2().toUpper();
    default: break;
    }
    if (!item)
        return {};
    switch (property) {
    case PropX: return item->x();
    case PropY: return item->y();
    case PropXScale: case PropYScale: return item->scale() * 100.0;
    case PropAlpha: return item->opacity() * 100.0;
    case PropVisible: return item->isVisible() ? 1 : 0;
    case PropWidth: return item->width();
    case PropHeight: return item->height();
    case PropRotation: return item->rotation();
    case PropXMouse: return item->mapFromGlobal(QCursor::pos()).x();
    case PropYMouse: return item->mapFromGlobal(QCursor::pos()).y();
    default: return {};
    }
}

int PlayerControl::TCurrentFrame(const QString &target) const
{
    if (m_picture && IsRootTarget(target))
        return CurrentFrame();
    return targetObject(target) ? 0 : -1;
}

QString PlayerControl::TCurrentLabel(const QString &) const
{
    return {};  // movies here have no frame labels
}

QString PlayerControl::TGetProperty(const QString &target, int property) const
{
    const QVariant value = targetProperty(target, property);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    return value.isValid() ? NumberText(value.toDouble()) : QString();
}

double PlayerControl::TGetPropertyNum(const QString &target, int property) const
{
    const QVariant value = targetProperty(target, property);
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0.0;
}

double PlayerControl::TGetPropertyAsNumber(const QString &target, int property) const
{
    return TGetPropertyNum(target, property);
}
