#pragma once
#include <QWidget>

// A window of the "NivraLoadDialog" class. Whoever opens one sets the properties
// "Nivra_Thread" (the QThread animating it), "Nivra_Image" (the native handle of the image shown),
// "Nivra_Stream" (the memory block the image was loaded from) and "NivraHitMove" (1 lets a left
// press anywhere drag the window). Destruction releases the three resources that are set.
class LoadDialogWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LoadDialogWindow(QWidget* parent = nullptr);
  ~LoadDialogWindow() override;

  static constexpr const char* kThreadProperty = "Nivra_Thread";
  static constexpr const char* kImageProperty = "Nivra_Image";
  static constexpr const char* kStreamProperty = "Nivra_Stream";
  static constexpr const char* kHitMoveProperty = "NivraHitMove";

 signals:
  // A left press handed the window to the window manager to move; accepted says whether it took it.
  void moveStarted(bool accepted);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void ReleaseResources();
};
