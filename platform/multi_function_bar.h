#pragma once
// The multi-function bar used as a slider: a track with a thumb between a step-back and a
// step-forward button. Writing the position clamps it to the range and raises
// positionChanged only when the value changed, for the program's writes as for the
// user's; the signal says which of the two made the change. A step button raises its
// step signal before the position moves by one step. Vertical bars grow upwards.

#include <QTimer>
#include <QWidget>

class MultiFunctionBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ Minimum WRITE SetMinimum)
    Q_PROPERTY(int maximum READ Maximum WRITE SetMaximum)
    Q_PROPERTY(int step READ Step WRITE SetStep)
    Q_PROPERTY(int pageStep READ PageStep WRITE SetPageStep)
    Q_PROPERTY(int position READ Position WRITE SetPosition)
    Q_PROPERTY(Qt::Orientation orientation READ Orientation WRITE SetOrientation)

public:
    enum class Part { None, StepBack, StepForward, Track, Thumb };

    explicit MultiFunctionBar(QWidget *parent = nullptr);

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    int Step() const { return m_step; }
    int PageStep() const { return m_pageStep; }
    int Position() const { return m_position; }
    Qt::Orientation Orientation() const { return m_orientation; }

    // Range writes keep minimum <= maximum and clamp the position into the new range.
    void SetMinimum(int minimum);
    void SetMaximum(int maximum);
    void SetStep(int step);
    void SetPageStep(int pageStep);
    // A program write.
    void SetPosition(int position);
    void SetOrientation(Qt::Orientation orientation);

    // Geometry of the bar's parts, in widget coordinates (for painting, input and tests).
    QRect StepBackRect() const;
    QRect StepForwardRect() const;
    QRect TrackRect() const;
    QRect ThumbRect() const;
    Part PartAt(const QPoint &point) const;
    // The position a point of the track stands for.
    int PositionAt(const QPoint &point) const;

    QSize sizeHint() const override;

signals:
    void positionChanged(int position, bool byUser);
    void stepBack();
    void stepForward();
    void leftButtonPressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void Write(int position, bool byUser);
    void PressStepButton(Part button);
    void RepeatStep();
    int ThumbLength() const;
    bool IsVertical() const { return m_orientation == Qt::Vertical; }

    int m_minimum = 0;
    int m_maximum = 100;
    int m_step = 1;
    int m_pageStep = 10;
    int m_position = 0;
    Qt::Orientation m_orientation = Qt::Horizontal;

    Part m_pressed = Part::None;
    int m_dragOffset = 0;
    QTimer m_repeat;
};
