#include "skin/crystal/crystal_skin.h"

#include "skin/crystal/button_skin_proc.h"
#include "skin/crystal/combo_skin_proc.h"
#include "skin/crystal/header_skin_proc.h"
#include "skin/crystal/list_view_skin_proc.h"
#include "skin/crystal/progress_skin_proc.h"
#include "skin/crystal/round_region_follower.h"
#include "skin/crystal/skin_drawing.h"
#include "skin/crystal/skin_properties.h"
#include "skin/crystal/tooltip_skin_proc.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QQueue>
#include <QRadioButton>
#include <QVariant>

namespace {

SkinKind SkinKindOf(const QWidget *widget)
{
    if (qobject_cast<const QProgressBar *>(widget))
        return SkinKind::Progress;
    if (qobject_cast<const QPushButton *>(widget))
        return SkinKind::Button;
    if (qobject_cast<const QComboBox *>(widget))
        return SkinKind::Combo;
    if (qobject_cast<const QAbstractItemView *>(widget) && !qobject_cast<const QHeaderView *>(widget))
        return SkinKind::ListView;
    if (widget->windowType() == Qt::ToolTip)
        return SkinKind::Tooltip;
    return SkinKind::None;
}

// Button-like controls the skin does not paint; they still get the rounded corners.
bool IsPlainButton(const QWidget *widget)
{
    return qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget)
        || qobject_cast<const QGroupBox *>(widget);
}

QObject *MakeProcedure(SkinKind kind, QWidget *widget)
{
    switch (kind) {
    case SkinKind::Progress: return new ProgressSkinProc(widget);
    case SkinKind::Button: return new ButtonSkinProc(widget);
    case SkinKind::Combo: return new ComboSkinProc(widget);
    case SkinKind::Tooltip: return new TooltipSkinProc(widget);
    case SkinKind::ListView: return new ListViewSkinProc(widget);
    case SkinKind::None: break;
    }
    return nullptr;
}

bool IsSkinned(const QObject *object)
{
    return object->property(SkinProperty::Procedure).isValid();
}

void MarkSkinned(QObject *object, QObject *procedure)
{
    object->setProperty(SkinProperty::Procedure, QVariant::fromValue(procedure));
}

// The header paints on its viewport, so that is where its filter sits; the mark is on the header.
void SkinListViewHeader(QAbstractItemView *view)
{
    QHeaderView *header = ListViewHeader(view);
    if (!header)
        return;
    if (!IsSkinned(header)) {
        auto *procedure = new HeaderSkinProc(header);
        header->viewport()->installEventFilter(procedure);
        MarkSkinned(header, procedure);
    }
    header->viewport()->update();
}

// Children that belong to the window's tree: its child widgets, and tooltip windows made
// for it. Other windows (dialogs, pop-ups such as a combo box's list) are skinned on their own.
bool InSkinTree(const QWidget *child)
{
    return !child->isWindow() || child->windowType() == Qt::ToolTip;
}

}  // namespace

void CrystalSkinInit()
{
    CreateSkinResources();
}

bool SkinControl(QWidget *widget, int colorStyle, int /*flag*/)
{
    if (!widget)
        return false;
    if (IsPlainButton(widget))
        RoundRegionFollower::Attach(widget);
    const SkinKind kind = SkinKindOf(widget);
    if (kind == SkinKind::None)
        return false;
    if (kind == SkinKind::Progress || kind == SkinKind::Button)
        SetRoundRegion(widget);  // the skin keeps it in step with the size from here on
    if (!IsSkinned(widget)) {
        QObject *procedure = MakeProcedure(kind, widget);
        widget->installEventFilter(procedure);
        MarkSkinned(widget, procedure);
    }
    widget->setProperty(SkinProperty::Type, static_cast<int>(kind));
    if (colorStyle > 0)
        widget->setProperty(SkinProperty::ColorStyle, colorStyle);
    if (kind == SkinKind::ListView) {
        auto *view = static_cast<QAbstractItemView *>(widget);
        PrepareListViewFrame(view);
        SkinListViewHeader(view);
    }
    widget->update();
    return true;
}

void ApplyCrystalSkin(QWidget *root, int colorStyle, int flag)
{
    if (!root)
        return;
    CreateSkinResources();
    QQueue<QWidget *> pending;
    pending.enqueue(root);
    while (!pending.isEmpty()) {
        QWidget *widget = pending.dequeue();
        SkinControl(widget, colorStyle, flag);
        for (QObject *child : widget->children()) {
            auto *childWidget = qobject_cast<QWidget *>(child);
            if (childWidget && InSkinTree(childWidget))
                pending.enqueue(childWidget);
        }
    }
}
