#pragma once
// A drop target that takes dragged links only: a link dragged from a web browser is
// accepted, local files and plain text are refused. It covers the registered window and
// every widget inside it, so a child that takes drops of its own cannot swallow a link.

#include <QObject>
#include <QPointer>
#include <QString>

class QMimeData;
class QWidget;

class UrlDropTarget : public QObject {
    Q_OBJECT

public:
    explicit UrlDropTarget(QObject *parent = nullptr);

    void Register(QWidget *window);

    // The link a drag carries, as the dragging program wrote it; empty when it carries
    // none, or only local files.
    static QString LinkOf(const QMimeData *data);

signals:
    void dropped(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Watch(QObject *object);

    QPointer<QWidget> m_window;
};
