#include "skin/crystal/round_region_follower.h"

#include "skin/crystal/skin_drawing.h"

#include <QEvent>
#include <QWidget>

RoundRegionFollower::RoundRegionFollower(QObject *parent) : QObject(parent) {}

void RoundRegionFollower::Attach(QWidget *widget)
{
    SetRoundRegion(widget);
    if (widget->findChild<RoundRegionFollower *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    widget->installEventFilter(new RoundRegionFollower(widget));
}

bool RoundRegionFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        SetRoundRegion(qobject_cast<QWidget *>(watched));
    return false;
}
