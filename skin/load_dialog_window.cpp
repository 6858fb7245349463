#include "skin/load_dialog_window.h"

#include "gfx/gfx_global_memory.h"
#include "gfx/gfx_image_handle.h"

#include <QMouseEvent>
#include <QThread>
#include <QWindow>

namespace {

// Properties hold handles as integers (or, for the thread, as a QObject pointer); 0 means unset.
quintptr HandleValue(const QVariant& value) {
  if (!value.isValid()) return 0;
  if (QObject* object = value.value<QObject*>()) return reinterpret_cast<quintptr>(object);
  if (value.canConvert<void*>() && value.metaType() == QMetaType::fromType<void*>())
    return reinterpret_cast<quintptr>(value.value<void*>());
  bool ok = false;
  const qulonglong number = value.toULongLong(&ok);
  return ok ? static_cast<quintptr>(number) : 0;
}

}  // namespace

LoadDialogWindow::LoadDialogWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setProperty("windowClass", "NivraLoadDialog");
  setCursor(Qt::ArrowCursor);
  setBackgroundRole(QPalette::Button);  // the button-face background of the class
  setAutoFillBackground(true);
}

LoadDialogWindow::~LoadDialogWindow() { ReleaseResources(); }

void LoadDialogWindow::ReleaseResources() {
  // The thread goes first: it must no longer touch the image when the image is disposed.
  if (const quintptr thread = HandleValue(property(kThreadProperty))) {
    auto* worker = qobject_cast<QThread*>(reinterpret_cast<QObject*>(thread));
    if (worker && worker != QThread::currentThread()) {
      worker->requestInterruption();
      worker->quit();
      worker->wait();
    }
  }
  if (const quintptr image = HandleValue(property(kImageProperty)))
    GfxDisposeImageHandle(reinterpret_cast<void*>(image));
  if (const quintptr stream = HandleValue(property(kStreamProperty)))
    GfxGlobalFree(reinterpret_cast<GfxGlobalHandle>(stream));
}

void LoadDialogWindow::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  bool ok = false;
  if (property(kHitMoveProperty).toLongLong(&ok) != 1 || !ok) return;
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  QWindow* handle = window()->windowHandle();
  emit moveStarted(handle && handle->startSystemMove());
}
