#include "skin/tool_tip.h"

#include "skin/tool_tip_control.h"

namespace {
QColor FromColorRef(std::uint32_t colorref) {
  return QColor(int(colorref & 0xFF), int((colorref >> 8) & 0xFF), int((colorref >> 16) & 0xFF));
}
QString Text(const char* text) { return text ? QString::fromUtf8(text) : QString(); }
}  // namespace

ToolTipControl* ToolTip::CreateTip(QWidget* owner, bool balloon) {
  owner_ = owner;
  tip_ = new ToolTipControl(ToolTipControl::kAlwaysTip | (balloon ? ToolTipControl::kBalloon : 0));
  return tip_;
}

void ToolTip::AddTool(const QRect& rect, const char* text, int id) {
  if (tip_) tip_->AddTool(owner_, id, rect, Text(text), false);
}

void ToolTip::AddCallbackTool(const QRect& rect, int id) {
  if (tip_) tip_->AddTool(owner_, id, rect, QString(), true);
}

void ToolTip::SetTipBackColor(std::uint32_t colorref) {
  if (tip_) tip_->SetBackColor(FromColorRef(colorref));
}

void ToolTip::SetTipTextColor(std::uint32_t colorref) {
  if (tip_) tip_->SetTextColor(FromColorRef(colorref));
}

void ToolTip::SetTipMaxWidth(int width) {
  if (tip_) tip_->SetMaxWidth(width);
}

void ToolTip::RemoveTool(int id) {
  if (tip_) tip_->RemoveTool(owner_, id);
}

void ToolTip::SetToolRect(int id, const QRect& rect) {
  if (tip_) tip_->SetToolRect(owner_, id, rect);
}

void ToolTip::SetToolText(int id, const char* text) {
  if (tip_) tip_->SetToolText(owner_, id, Text(text));
}
