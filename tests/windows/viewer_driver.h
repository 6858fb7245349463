#pragma once
// Drives a web viewer as a user would: waits for pages, and moves the pointer over a link
// (so the viewer reports it as hovered) before clicking it.

#include <QPoint>
#include <QString>
#include <QUrl>

class QWebEngineView;
class ViewerPage;

namespace ViewerDriver {

// The result of a script in the viewer's page, as text; empty when it gave none.
QString RunScript(QWebEngineView &viewer, const QString &script);
// The address of the document the viewer shows, once loaded; empty while loading.
QUrl DocumentUrl(QWebEngineView &viewer);
// True once the viewer shows url and has finished loading it.
bool WaitForPage(QWebEngineView &viewer, const QUrl &url, int timeoutMs = 15000);
// The centre of the first element matching selector, in viewer coordinates; a null point
// when there is none.
QPoint ElementCentre(QWebEngineView &viewer, const QString &selector);
// Points at the element and waits until the page reports its link as hovered; true then.
bool Hover(QWebEngineView &viewer, ViewerPage &page, const QString &selector, const QString &expectedLink);
// Hover, then a left click at the same place.
bool ClickLink(QWebEngineView &viewer, ViewerPage &page, const QString &selector, const QString &expectedLink);
// Moves the pointer off every link (to the viewer's top-left corner).
void PointAway(QWebEngineView &viewer);

}  // namespace ViewerDriver
