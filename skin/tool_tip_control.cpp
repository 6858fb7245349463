#include "skin/tool_tip_control.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QToolTip>

namespace {
constexpr int kPadding = 4;
constexpr int kStem = 10;
constexpr int kRestMs = 500;
}  // namespace

ToolTipControl::ToolTipControl(int style)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), style_(style) {
  setProperty("windowClass", "ToolTips_class32");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  back_ = QToolTip::palette().color(QPalette::ToolTipBase);
  text_ = QToolTip::palette().color(QPalette::ToolTipText);
  restTimer_.setSingleShot(true);
  restTimer_.setInterval(kRestMs);
  connect(&restTimer_, &QTimer::timeout, this, &ToolTipControl::ShowTool);
}

ToolTipControl::Tool* ToolTipControl::Find(QWidget* owner, int id) {
  for (Tool& tool : tools_)
    if (tool.owner == owner && tool.id == id) return &tool;
  return nullptr;
}

const ToolTipControl::Tool* ToolTipControl::Find(QWidget* owner, int id) const {
  return const_cast<ToolTipControl*>(this)->Find(owner, id);
}

void ToolTipControl::AddTool(QWidget* owner, int id, const QRect& rect, const QString& text, bool callback) {
  if (!owner) return;
  if (Tool* existing = Find(owner, id)) {
    existing->rect = rect;
    existing->text = text;
    existing->callback = callback;
    return;
  }
  tools_.append({owner, id, rect, text, callback});
  owner->setMouseTracking(true);
  owner->installEventFilter(this);  // watches the owner's pointer itself
}

void ToolTipControl::RemoveTool(QWidget* owner, int id) {
  for (int i = 0; i < tools_.size(); ++i) {
    if (tools_[i].owner == owner && tools_[i].id == id) {
      tools_.removeAt(i);
      if (pendingOwner_ == owner && (pendingId_ == id || shownId_ == id)) HideTip();
      return;
    }
  }
}

void ToolTipControl::SetToolRect(QWidget* owner, int id, const QRect& rect) {
  if (Tool* tool = Find(owner, id)) {
    tool->rect = rect;
    if (pendingOwner_ == owner && shownId_ == id && !rect.contains(owner->mapFromGlobal(QCursor::pos()))) HideTip();
  }
}

void ToolTipControl::SetToolText(QWidget* owner, int id, const QString& text) {
  if (Tool* tool = Find(owner, id)) {
    tool->text = text;
    tool->callback = false;
    if (isVisible() && pendingOwner_ == owner && shownId_ == id) ShowTool();
  }
}

void ToolTipControl::SetBackColor(QColor color) { back_ = color; update(); }
void ToolTipControl::SetTextColor(QColor color) { text_ = color; update(); }
void ToolTipControl::SetMaxWidth(int width) { maxWidth_ = width; }

bool ToolTipControl::HasTool(QWidget* owner, int id) const { return Find(owner, id) != nullptr; }
QRect ToolTipControl::ToolRect(QWidget* owner, int id) const {
  const Tool* tool = Find(owner, id);
  return tool ? tool->rect : QRect();
}
QString ToolTipControl::ToolText(QWidget* owner, int id) const {
  const Tool* tool = Find(owner, id);
  return tool ? tool->text : QString();
}

const ToolTipControl::Tool* ToolTipControl::ToolAt(QWidget* owner, const QPoint& point) const {
  for (const Tool& tool : tools_)
    if (tool.owner == owner && tool.rect.contains(point)) return &tool;
  return nullptr;
}

bool ToolTipControl::eventFilter(QObject* watched, QEvent* event) {
  auto* owner = qobject_cast<QWidget*>(watched);
  if (!owner) return false;
  switch (event->type()) {
    case QEvent::MouseMove: Pointer(owner, static_cast<QMouseEvent*>(event)->position().toPoint()); break;
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
      if (pendingOwner_ == owner) HideTip();
      break;
    default: break;
  }
  return false;  // the owner still gets every event
}

void ToolTipControl::Pointer(QWidget* owner, const QPoint& point) {
  const Tool* tool = ToolAt(owner, point);
  if (!tool) {
    if (pendingOwner_ == owner) HideTip();
    return;
  }
  if (isVisible() && pendingOwner_ == owner && shownId_ == tool->id) return;  // still over the tool shown
  if (isVisible()) hide();
  pendingOwner_ = owner;
  pendingId_ = tool->id;
  pendingPoint_ = point;
  restTimer_.start();
}

QString ToolTipControl::TextOf(const Tool& tool) {
  if (!tool.callback) return tool.text;
  QString text;
  emit textNeeded(tool.owner, tool.id, &text);
  return text;
}

void ToolTipControl::ShowTool() {
  if (!pendingOwner_) return;
  const Tool* tool = Find(pendingOwner_, pendingId_);
  if (!tool) return;
  const QString text = TextOf(*tool);
  if (text.isEmpty()) {
    hide();
    return;
  }
  shownId_ = tool->id;
  shownText_ = text;
  const QFontMetrics metrics(font());
  const int wrapWidth = maxWidth_ > 0 ? maxWidth_ : 10000;
  const QRect textBox = metrics.boundingRect(QRect(0, 0, wrapWidth, 10000), Qt::TextWordWrap, text);
  const bool balloon = style_ & kBalloon;
  const int stem = balloon ? kStem : 0;
  textRect_ = QRect(kPadding + (balloon ? 4 : 0), kPadding + stem, textBox.width(), textBox.height());
  const QSize size(textRect_.right() + kPadding + (balloon ? 4 : 0) + 1, textRect_.bottom() + kPadding + 1);
  resize(size);
  if (balloon) {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, stem, size.width(), size.height() - stem), 8, 8);
    QPainterPath tip;
    tip.moveTo(12, stem + 1);
    tip.lineTo(16, 0);
    tip.lineTo(24, stem + 1);
    tip.closeSubpath();
    setMask(QRegion(shape.united(tip).toFillPolygon().toPolygon()));
  } else {
    clearMask();
  }
  // Below the pointer; the balloon's stem points at it.
  QPoint at = pendingOwner_->mapToGlobal(pendingPoint_) + (balloon ? QPoint(-16, 4) : QPoint(0, 20));
  if (const QScreen* screen = pendingOwner_->screen()) {
    const QRect area = screen->availableGeometry();
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - size.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
  }
  move(at);
  show();
  raise();
  update();
}

void ToolTipControl::HideTip() {
  restTimer_.stop();
  pendingId_ = -1;
  shownId_ = -1;
  pendingOwner_ = nullptr;
  hide();
}

void ToolTipControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  painter.setPen(text_.darker(160));
  if (!(style_ & kBalloon)) painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(text_);
  painter.drawText(textRect_, Qt::TextWordWrap, shownText_);
}
