#pragma once
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>

class ToolTipControl;

// Rectangular tools on one owner widget, shown by a tooltip control of our own. Copies share the
// control; destroying the object leaves the control alive. Operations before CreateTip do nothing.
class ToolTip {
 public:
  ToolTip() = default;
  ToolTip(const ToolTip&) = default;
  ToolTip& operator=(const ToolTip&) = default;
  ~ToolTip() = default;

  // A new control for owner's tools (balloon style when asked); it has no parent.
  ToolTipControl* CreateTip(QWidget* owner, bool balloon);
  void AddTool(const QRect& rect, const char* text, int id);
  // The control asks the owner for the text (ToolTipControl::textNeeded) each time it shows.
  void AddCallbackTool(const QRect& rect, int id);
  // Colours are 0x00BBGGRR.
  void SetTipBackColor(std::uint32_t colorref);
  void SetTipTextColor(std::uint32_t colorref);
  void SetTipMaxWidth(int width);
  void RemoveTool(int id);
  void SetToolRect(int id, const QRect& rect);
  void SetToolText(int id, const char* text);
  ToolTipControl* GetTipWindow() const { return tip_; }

 private:
  QPointer<ToolTipControl> tip_;
  QPointer<QWidget> owner_;
};
