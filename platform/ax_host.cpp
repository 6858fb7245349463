#include "platform/ax_host.h"

#include <QHash>
#include <QResizeEvent>

namespace {

QHash<QString, AxControlFactory> &ControlClasses()
{
    static QHash<QString, AxControlFactory> classes;
    return classes;
}

// "{d27cdb6e-...}" for any spelling of the identifier.
QString NormalisedClassId(const QString &classId)
{
    QString id = classId.trimmed().toLower();
    if (id.startsWith(u'{') && id.endsWith(u'}'))
        id = id.mid(1, id.size() - 2);
    return u'{' + id + u'}';
}

}  // namespace

void AxWinInit()
{
    ControlClasses();
}

void AxRegisterControlClass(const QString &classId, AxControlFactory factory)
{
    ControlClasses().insert(NormalisedClassId(classId), std::move(factory));
}

bool AxIsControlClassRegistered(const QString &classId)
{
    return ControlClasses().contains(NormalisedClassId(classId));
}

AxHostWindow::AxHostWindow(const QString &classId, QWidget *parent) : QWidget(parent)
{
    setWindowTitle(classId);
    const auto factory = ControlClasses().constFind(NormalisedClassId(classId));
    if (factory != ControlClasses().constEnd() && *factory) {
        m_control = (*factory)(this);
        if (m_control) {
            m_control->setParent(this);
            m_control->setGeometry(QRect(QPoint(0, 0), size()));
            m_control->show();
        }
    }
}

void AxHostWindow::resizeEvent(QResizeEvent *event)
{
    if (m_control)
        m_control->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

AxHostWindow *AxCreateHostWindow(const QString &classId, QWidget *parent, int x, int y,
                                 int width, int height, int id)
{
    auto *host = new AxHostWindow(classId, parent);
    host->setProperty("controlId", id);
    AxMoveHostWindow(host, x, y, width, height);
    host->show();
    return host;
}

void AxMoveHostWindow(QWidget *host, int x, int y, int width, int height)
{
    if (!host)
        return;
    const QSize size(qMax(0, width), qMax(0, height));
    host->setGeometry(QRect(QPoint(x, y), size));
    if (auto *axHost = qobject_cast<AxHostWindow *>(host); axHost && axHost->control())
        axHost->control()->setGeometry(QRect(QPoint(0, 0), size));
    host->update();
}

QObject *AxGetControl(QWidget *host)
{
    auto *axHost = qobject_cast<AxHostWindow *>(host);
    return axHost ? axHost->control() : nullptr;
}
