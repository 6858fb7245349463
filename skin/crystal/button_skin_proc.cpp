#include "skin/crystal/button_skin_proc.h"

#include "skin/crystal/skin_drawing.h"
#include "skin/crystal/skin_properties.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

namespace {

void StoreState(QAbstractButton *button, int state)
{
    button->setProperty(SkinProperty::DrawState, state);
}

bool IsFocused(const QAbstractButton *button)
{
    return button->property(SkinProperty::IsFocused).toInt() != 0;
}

// The button's down flag changes without an event (keyboard press, programmatic setDown,
// dragging off the button): bring the stored state in line the way a pressed/released
// notification would.
void FollowDownFlag(QAbstractButton *button)
{
    const int state = ButtonDrawState(button);
    if (button->isDown() && state != DrawPressed)
        StoreState(button, DrawPressed);
    else if (!button->isDown() && state == DrawPressed)
        StoreState(button, IsFocused(button) ? DrawHot : DrawNormal);
}

}  // namespace

ButtonSkinProc::ButtonSkinProc(QObject *parent) : QObject(parent) {}

int ButtonDrawState(const QAbstractButton *button)
{
    return button ? button->property(SkinProperty::DrawState).toInt() : DrawNormal;
}

void SetButtonDrawState(QAbstractButton *button, int state)
{
    StoreState(button, state);
    button->update();
}

void PaintButton(QAbstractButton *button, QPainter &p, int w, int h)
{
    const SkinPalette &palette = GetSkinPalette(button);
    int state = ButtonDrawState(button);
    // A checked push-like button stays visibly pushed in.
    if (button->isCheckable() && button->isChecked())
        state = DrawPressed;
    const bool light = state == DrawHot || state == DrawPressed;
    const ColorRef *face = light ? palette.track : palette.fill;
    GradientBand(p, 0, 0, w, h / 2, face[0], face[1], false);
    GradientBand(p, 0, h / 2, w, h, face[2], face[3], false);
    FrameRectangle(p, 0, 0, w, h, palette.frame);
    RoundOffCorners(p, w, h, palette.frame);
    DrawEmbossedText(p, w, h, button->text(), palette, state == DrawPressed ? 1 : 0, true);
}

bool ButtonSkinProc::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button)
        return false;
    const int state = ButtonDrawState(button);
    switch (event->type()) {
    case QEvent::Paint:
        FollowDownFlag(button);
        PaintOffscreen(button, [button](QPainter &p, int w, int h) { PaintButton(button, p, w, h); });
        return true;
    case QEvent::Resize:
        SetRoundRegion(button);
        break;
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (state != DrawHot && state != DrawPressed)
            SetButtonDrawState(button, DrawHot);
        break;
    case QEvent::Leave:
        SetButtonDrawState(button, DrawNormal);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            SetButtonDrawState(button, DrawPressed);
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            SetButtonDrawState(button, state == DrawPressed ? DrawHot : DrawNormal);
        break;
    case QEvent::FocusIn:
        button->setProperty(SkinProperty::IsFocused, 1);
        if (state == DrawPressed)
            SetButtonDrawState(button, DrawHot);
        break;
    case QEvent::FocusOut:
        button->setProperty(SkinProperty::IsFocused, 0);
        if (state == DrawHot)
            SetButtonDrawState(button, DrawNormal);
        break;
    case QEvent::EnabledChange:
        SetButtonDrawState(button, button->isEnabled() ? DrawEnabled : DrawNormal);
        break;
    default:
        break;
    }
    // Everything goes on to the button's own handling, which keeps clicks, keys and focus.
    return false;
}
