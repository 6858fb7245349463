#include "player/movie_view.h"

#include <QPainter>
#include <QQuickItem>
#include <QQuickWindow>

MovieView::MovieView(QQuickItem *root, const QColor &color, QWidget *parent)
    : QWidget(parent), m_root(root), m_window(new QQuickWindow), m_color(color)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_window->setFlag(Qt::WindowTransparentForInput);
    m_window->setColor(color);
    m_container = QWidget::createWindowContainer(m_window, this);
    // The container only places the window; input reaches this view and its parents.
    m_container->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (m_root)
        m_root->setParentItem(m_window->contentItem());
}

MovieView::~MovieView()
{
    // The window first: its scene graph lets go of what it drew the items with, on its own
    // render thread, while the items still exist.
    delete m_container;
    delete m_root;
}

void MovieView::setColor(const QColor &color)
{
    m_color = color;
    m_window->setColor(color);
    update();
}

void MovieView::resizeEvent(QResizeEvent *event)
{
    m_container->setGeometry(rect());
    if (m_root)
        m_root->setSize(size());
    QWidget::resizeEvent(event);
}

void MovieView::paintEvent(QPaintEvent *)
{
    // On screen the native window covers this; a grab into a pixmap (QWidget::grab) sees
    // only widgets, so it is given the window's own picture.
    QPainter painter(this);
    const QPaintDevice *target = redirected(nullptr);
    if (target && target->devType() == QInternal::Pixmap && m_window->isExposed()) {
        painter.drawImage(rect(), m_window->grabWindow());
        return;
    }
    painter.fillRect(rect(), m_color);
}
