#include "player/right_click_hook.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace {

// Position in the 16-bit signed form a click's coordinates travel in.
int SignExtended16(int value)
{
    return int(qint16(quint16(value & 0xFFFF)));
}

class RightClickFilter : public QObject {
public:
    RightClickFilter(qsizetype record, QObject *parent) : QObject(parent), m_record(record) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::RightButton)
                break;
            // Copy: the callback may install hooks and so grow the table.
            const RightClickCallback callback = HookTable::Records()[m_record].callback;
            if (callback) {
                const QPoint pos = mouse->position().toPoint();
                callback(SignExtended16(pos.x()), SignExtended16(pos.y()), 0);
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
                return true;
            break;
        case QEvent::ContextMenu:
            // The menu request that follows a right press belongs to the press.
            if (static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Mouse)
                return true;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    qsizetype m_record;
};

void HookOne(QWidget *window, const RightClickCallback &callback)
{
    if (HookTable::Find(window) >= 0)
        return;
    QList<HookRecord> &records = HookTable::Records();
    auto *filter = new RightClickFilter(records.size(), window);
    records.append({window, filter, callback});
    window->installEventFilter(filter);
}

}  // namespace

QList<HookRecord> &HookTable::Records()
{
    static QList<HookRecord> records;
    return records;
}

qsizetype HookTable::Find(const QWidget *window)
{
    const QList<HookRecord> &records = Records();
    for (qsizetype i = 0; i < records.size(); ++i)
        if (window && records[i].window == window)
            return i;
    return -1;
}

void InstallRightClickHook(QWidget *window, const RightClickCallback &callback)
{
    if (!window)
        return;
    HookOne(window, callback);
    const QList<QWidget *> children = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isWindow())
            continue;
        HookOne(child, callback);
        InstallRightClickHook(child, callback);
    }
}
