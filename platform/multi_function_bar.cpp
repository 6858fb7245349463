#include "platform/multi_function_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr int FirstRepeatDelayMs = 400;
constexpr int RepeatPeriodMs = 60;

const QColor TrackColor(0x26, 0x26, 0x2a);
const QColor TrackEdgeColor(0x4a, 0x4a, 0x52);
const QColor FillColor(0x3a, 0x8e, 0xd8);
const QColor ThumbColor(0xe4, 0xe6, 0xea);
const QColor ButtonColor(0x33, 0x33, 0x38);
const QColor ButtonPressedColor(0x50, 0x50, 0x58);
const QColor ArrowColor(0xc8, 0xcc, 0xd2);

}  // namespace

MultiFunctionBar::MultiFunctionBar(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &MultiFunctionBar::RepeatStep);
}

void MultiFunctionBar::SetMinimum(int minimum)
{
    m_minimum = minimum;
    m_maximum = std::max(m_maximum, minimum);
    Write(m_position, false);
    update();
}

void MultiFunctionBar::SetMaximum(int maximum)
{
    m_maximum = maximum;
    m_minimum = std::min(m_minimum, maximum);
    Write(m_position, false);
    update();
}

void MultiFunctionBar::SetStep(int step)
{
    m_step = std::max(step, 0);
}

void MultiFunctionBar::SetPageStep(int pageStep)
{
    m_pageStep = std::max(pageStep, 0);
}

void MultiFunctionBar::SetPosition(int position)
{
    Write(position, false);
}

void MultiFunctionBar::SetOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    update();
}

void MultiFunctionBar::Write(int position, bool byUser)
{
    position = std::clamp(position, m_minimum, m_maximum);
    if (position == m_position)
        return;
    m_position = position;
    update();
    emit positionChanged(position, byUser);
}

QRect MultiFunctionBar::StepBackRect() const
{
    if (IsVertical()) {
        const int length = std::min(width(), height() / 3);
        return {0, height() - length, width(), length};
    }
    const int length = std::min(height(), width() / 3);
    return {0, 0, length, height()};
}

QRect MultiFunctionBar::StepForwardRect() const
{
    if (IsVertical()) {
        const int length = std::min(width(), height() / 3);
        return {0, 0, width(), length};
    }
    const int length = std::min(height(), width() / 3);
    return {width() - length, 0, length, height()};
}

QRect MultiFunctionBar::TrackRect() const
{
    if (IsVertical()) {
        const int length = StepForwardRect().height();
        return {0, length, width(), height() - 2 * length};
    }
    const int length = StepBackRect().width();
    return {length, 0, width() - 2 * length, height()};
}

int MultiFunctionBar::ThumbLength() const
{
    const QRect track = TrackRect();
    const int trackLength = IsVertical() ? track.height() : track.width();
    const int thickness = IsVertical() ? width() : height();
    return std::max(0, std::min(trackLength, std::max(6, thickness * 2 / 3)));
}

QRect MultiFunctionBar::ThumbRect() const
{
    const QRect track = TrackRect();
    const int thumb = ThumbLength();
    const int span = (IsVertical() ? track.height() : track.width()) - thumb;
    const double fraction =
        m_maximum > m_minimum ? double(m_position - m_minimum) / (m_maximum - m_minimum) : 0.0;
    const int offset = int(fraction * span);
    if (IsVertical())
        return {track.left(), track.top() + span - offset, track.width(), thumb};
    return {track.left() + offset, track.top(), thumb, track.height()};
}

MultiFunctionBar::Part MultiFunctionBar::PartAt(const QPoint &point) const
{
    if (StepBackRect().contains(point))
        return Part::StepBack;
    if (StepForwardRect().contains(point))
        return Part::StepForward;
    if (ThumbRect().contains(point))
        return Part::Thumb;
    if (TrackRect().contains(point))
        return Part::Track;
    return Part::None;
}

int MultiFunctionBar::PositionAt(const QPoint &point) const
{
    const QRect track = TrackRect();
    const int thumb = ThumbLength();
    const int span = (IsVertical() ? track.height() : track.width()) - thumb;
    if (span <= 0 || m_maximum <= m_minimum)
        return m_minimum;
    const double along = IsVertical() ? double(track.top() + track.height() - point.y())
                                      : double(point.x() - track.left());
    const double fraction = std::clamp((along - thumb / 2.0) / span, 0.0, 1.0);
    return m_minimum + int(std::lround(fraction * (m_maximum - m_minimum)));
}

QSize MultiFunctionBar::sizeHint() const
{
    return IsVertical() ? QSize(16, 144) : QSize(200, 17);
}

void MultiFunctionBar::PressStepButton(Part button)
{
    // The step signal comes first: its handler still sees the old position.
    if (button == Part::StepBack) {
        emit stepBack();
        Write(m_position - m_step, true);
    } else {
        emit stepForward();
        Write(m_position + m_step, true);
    }
}

void MultiFunctionBar::RepeatStep()
{
    if (m_pressed != Part::StepBack && m_pressed != Part::StepForward) {
        m_repeat.stop();
        return;
    }
    m_repeat.setInterval(RepeatPeriodMs);
    PressStepButton(m_pressed);
}

void MultiFunctionBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint point = event->position().toPoint();
    const Part part = PartAt(point);
    emit leftButtonPressed();
    m_pressed = part;
    switch (part) {
    case Part::StepBack:
    case Part::StepForward:
        PressStepButton(part);
        m_repeat.start(FirstRepeatDelayMs);
        break;
    case Part::Track:
        m_dragOffset = 0;
        Write(PositionAt(point), true);
        break;
    case Part::Thumb: {
        const QRect thumb = ThumbRect();
        m_dragOffset = IsVertical() ? point.y() - thumb.center().y() : point.x() - thumb.center().x();
        break;
    }
    case Part::None:
        break;
    }
    update();
}

void MultiFunctionBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed != Part::Thumb && m_pressed != Part::Track) {
        event->ignore();
        return;
    }
    event->accept();
    QPoint point = event->position().toPoint();
    if (IsVertical())
        point.ry() -= m_dragOffset;
    else
        point.rx() -= m_dragOffset;
    Write(PositionAt(point), true);
}

void MultiFunctionBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    m_repeat.stop();
    m_pressed = Part::None;
    update();
}

void MultiFunctionBar::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    Write(m_position + (delta > 0 ? m_step : -m_step), true);
}

void MultiFunctionBar::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap canvas(size() * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);

        const QRectF track = QRectF(TrackRect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal thickness = IsVertical() ? track.width() : track.height();
        const qreal groove = std::max<qreal>(4.0, thickness / 3.0);
        QRectF grooveRect = IsVertical()
            ? QRectF(track.center().x() - groove / 2, track.top(), groove, track.height())
            : QRectF(track.left(), track.center().y() - groove / 2, track.width(), groove);
        painter.setPen(TrackEdgeColor);
        painter.setBrush(TrackColor);
        painter.drawRoundedRect(grooveRect, groove / 2, groove / 2);

        const QRect thumb = ThumbRect();
        QRectF filled = grooveRect;
        if (IsVertical())
            filled.setTop(thumb.center().y());
        else
            filled.setRight(thumb.center().x());
        painter.setPen(Qt::NoPen);
        painter.setBrush(FillColor);
        painter.drawRoundedRect(filled, groove / 2, groove / 2);

        painter.setBrush(ThumbColor);
        painter.setPen(QColor(0x1c, 0x1c, 0x20));
        painter.drawRoundedRect(QRectF(thumb).adjusted(1, 1, -1, -1), 3, 3);

        for (const Part button : {Part::StepBack, Part::StepForward}) {
            const QRectF box = QRectF(button == Part::StepBack ? StepBackRect() : StepForwardRect())
                                   .adjusted(1, 1, -1, -1);
            painter.setPen(TrackEdgeColor);
            painter.setBrush(m_pressed == button ? ButtonPressedColor : ButtonColor);
            painter.drawRoundedRect(box, 3, 3);

            // A small triangle pointing the way the button moves the thumb.
            const QPointF c = box.center();
            const qreal r = std::max<qreal>(2.0, std::min(box.width(), box.height()) / 4.0);
            QPainterPath arrow;
            const bool back = button == Part::StepBack;
            if (IsVertical()) {
                const qreal dir = back ? 1 : -1;
                arrow.moveTo(c.x() - r, c.y() - dir * r / 2);
                arrow.lineTo(c.x() + r, c.y() - dir * r / 2);
                arrow.lineTo(c.x(), c.y() + dir * r / 2 * 1.6);
            } else {
                const qreal dir = back ? -1 : 1;
                arrow.moveTo(c.x() - dir * r / 2, c.y() - r);
                arrow.lineTo(c.x() - dir * r / 2, c.y() + r);
                arrow.lineTo(c.x() + dir * r / 2 * 1.6, c.y());
            }
            arrow.closeSubpath();
            painter.setPen(Qt::NoPen);
            painter.setBrush(ArrowColor);
            painter.drawPath(arrow);
        }
    }
    QPainter(this).drawPixmap(0, 0, canvas);
}
