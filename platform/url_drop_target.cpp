#include "platform/url_drop_target.h"

#include <QChildEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

UrlDropTarget::UrlDropTarget(QObject *parent) : QObject(parent)
{
}

void UrlDropTarget::Register(QWidget *window)
{
    if (!window || m_window == window)
        return;
    m_window = window;
    window->setAcceptDrops(true);
    Watch(window);
}

void UrlDropTarget::Watch(QObject *object)
{
    if (!object->isWidgetType())
        return;
    object->removeEventFilter(this);
    object->installEventFilter(this);
    for (QObject *child : object->children())
        Watch(child);
}

QString UrlDropTarget::LinkOf(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    // The first entry of the uri-list, byte for byte: the address exactly as the browser
    // offered it.
    const QList<QByteArray> lines = data->data(QStringLiteral("text/uri-list")).split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QUrl url = QUrl::fromEncoded(line);
        if (!url.isValid() || url.isLocalFile() || url.scheme().isEmpty())
            return {};
        return QString::fromUtf8(line);
    }
    const QUrl url = data->urls().value(0);
    if (!url.isValid() || url.isLocalFile() || url.scheme().isEmpty())
        return {};
    return url.toString(QUrl::FullyEncoded);
}

bool UrlDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        // Widgets made later (the video area, the logo) are covered as they appear.
        if (QObject *child = static_cast<QChildEvent *>(event)->child())
            Watch(child);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (LinkOf(drag->mimeData()).isEmpty()) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString link = LinkOf(drop->mimeData());
        if (link.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        emit dropped(link);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
