#pragma once
#include <QColor>
#include <QMap>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

// Our "ToolTips_class32" control: tools are rectangles on an owner widget that the control
// watches itself; when the pointer rests in one, the control shows that tool's text next to it.
class ToolTipControl : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kAlwaysTip = 0x1;
  static constexpr int kBalloon = 0x40;

  explicit ToolTipControl(int style);
  int Style() const { return style_; }

  void AddTool(QWidget* owner, int id, const QRect& rect, const QString& text, bool callback);
  void RemoveTool(QWidget* owner, int id);
  void SetToolRect(QWidget* owner, int id, const QRect& rect);
  void SetToolText(QWidget* owner, int id, const QString& text);
  void SetBackColor(QColor color);
  void SetTextColor(QColor color);
  void SetMaxWidth(int width);
  bool HasTool(QWidget* owner, int id) const;
  QRect ToolRect(QWidget* owner, int id) const;
  QString ToolText(QWidget* owner, int id) const;
  // The tool being shown (-1 when hidden) and the text shown.
  int ShownTool() const { return isVisible() ? shownId_ : -1; }
  QString ShownText() const { return shownText_; }

 signals:
  // A callback tool is about to show: the owner puts its text into *text.
  void textNeeded(QWidget* owner, int id, QString* text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Tool {
    QPointer<QWidget> owner;
    int id = 0;
    QRect rect;
    QString text;
    bool callback = false;
  };
  Tool* Find(QWidget* owner, int id);
  const Tool* Find(QWidget* owner, int id) const;
  const Tool* ToolAt(QWidget* owner, const QPoint& point) const;
  void Pointer(QWidget* owner, const QPoint& point);
  void ShowTool();
  void HideTip();
  QString TextOf(const Tool& tool);

  int style_;
  QList<Tool> tools_;
  QColor back_, text_;
  int maxWidth_ = -1;
  QTimer restTimer_;
  QPointer<QWidget> pendingOwner_;
  int pendingId_ = -1, shownId_ = -1;
  QPoint pendingPoint_;
  QString shownText_;
  QRect textRect_;
};
