#include "tests/windows/viewer_driver.h"

#include "windows/viewer_page.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QTest>
#include <QWebEngineView>

namespace ViewerDriver {

QString RunScript(QWebEngineView &viewer, const QString &script)
{
    QString answer;
    bool done = false;
    QPointer<QWebEngineView> guard(&viewer);
    viewer.page()->runJavaScript(script, [&](const QVariant &result) {
        answer = result.toString();
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done || !guard; }, 10000))
        return {};
    return done ? answer : QString();
}

QUrl DocumentUrl(QWebEngineView &viewer)
{
    return QUrl(RunScript(viewer, QStringLiteral("document.readyState == 'complete' ? location.href : ''")));
}

bool WaitForPage(QWebEngineView &viewer, const QUrl &url, int timeoutMs)
{
    // The document itself, not the viewer's address, which shows a held navigation too.
    return QTest::qWaitFor([&] { return DocumentUrl(viewer) == url; }, timeoutMs);
}

QPoint ElementCentre(QWebEngineView &viewer, const QString &selector)
{
    const QString script = QStringLiteral(
                               "(function(){var e=document.querySelector(%1);if(!e)return '';"
                               "e.scrollIntoView({block:'center'});var r=e.getBoundingClientRect();"
                               "return JSON.stringify([r.left+r.width/2,r.top+r.height/2]);})()")
                               .arg(QString::fromUtf8(QJsonDocument(QJsonArray{selector}).toJson(QJsonDocument::Compact)).mid(1).chopped(1));
    const QString answer = RunScript(viewer, script);
    if (answer.isEmpty())
        return {};
    const QJsonArray centre = QJsonDocument::fromJson(answer.toUtf8()).array();
    const qreal zoom = viewer.zoomFactor();
    return QPoint(int(centre.at(0).toDouble() * zoom), int(centre.at(1).toDouble() * zoom));
}

bool Hover(QWebEngineView &viewer, ViewerPage &page, const QString &selector, const QString &expectedLink)
{
    const QPoint centre = ElementCentre(viewer, selector);
    if (centre.isNull())
        return false;
    QWidget *target = viewer.focusProxy() ? viewer.focusProxy() : &viewer;
    // The renderer may not take input at once after a load: point again until it reports.
    const bool ok = QTest::qWaitFor(
        [&] {
            QTest::mouseMove(target, centre + QPoint(1, 0));
            QTest::mouseMove(target, centre);
            return page.StatusText() == expectedLink;
        },
        10000);
    if (!ok)
        qWarning() << "hover failed" << selector << centre << target->mapToGlobal(centre) << QCursor::pos()
                   << page.StatusText() << QApplication::widgetAt(QCursor::pos()) << viewer.window()->geometry();
    return ok;
}

bool ClickLink(QWebEngineView &viewer, ViewerPage &page, const QString &selector, const QString &expectedLink)
{
    if (!Hover(viewer, page, selector, expectedLink))
        return false;
    QWidget *target = viewer.focusProxy() ? viewer.focusProxy() : &viewer;
    QTest::mouseClick(target, Qt::LeftButton, {}, ElementCentre(viewer, selector));
    return true;
}

void PointAway(QWebEngineView &viewer)
{
    QWidget *target = viewer.focusProxy() ? viewer.focusProxy() : &viewer;
    QTest::mouseMove(target, QPoint(2, 2));
}

}  // namespace ViewerDriver
