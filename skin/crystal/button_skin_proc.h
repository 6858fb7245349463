#pragma once
#include <QObject>

class QAbstractButton;
class QPainter;

// The skin of a push button (also a checkable, push-like one): keeps the draw state in the
// button's properties from its mouse, focus and enable events, and paints the button itself.
class ButtonSkinProc : public QObject {
    Q_OBJECT
public:
    explicit ButtonSkinProc(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The state stored on the button (0 when none).
int ButtonDrawState(const QAbstractButton *button);
// Stores `state` and schedules a repaint.
void SetButtonDrawState(QAbstractButton *button, int state);

// Paints the whole button; `width` and `height` are its size.
void PaintButton(QAbstractButton *button, QPainter &p, int width, int height);
