#pragma once
// Control hosting: a registry of control classes keyed by class-identifier text, host
// widgets that create the control their text names, and access to the hosted control's
// automation object.

#include <QString>
#include <QWidget>
#include <functional>

// Makes a control inside host and returns it (the control is its own automation object).
using AxControlFactory = std::function<QWidget *(QWidget *host)>;

// Readies control hosting; cheap and safe to call any number of times.
void AxWinInit();

// Registers (or replaces) the control class named by classId. Identifier texts compare
// without regard to case, with or without the braces.
void AxRegisterControlClass(const QString &classId, AxControlFactory factory);
bool AxIsControlClassRegistered(const QString &classId);

// The host widget: its window text is the class identifier; it keeps the control it made
// (none when the identifier names no registered class) filling its whole area.
class AxHostWindow : public QWidget {
    Q_OBJECT
public:
    AxHostWindow(const QString &classId, QWidget *parent);
    QWidget *control() const { return m_control; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_control = nullptr;
};

// Creates a visible host widget child of parent at the given rectangle; id is kept as the
// widget's "controlId" property. Always returns the widget, even for an unknown class.
AxHostWindow *AxCreateHostWindow(const QString &classId, QWidget *parent, int x, int y,
                                 int width, int height, int id);

// Moves and sizes host and its control at once (a hidden widget gets no resize event
// until it is shown, and the control must know its size before that).
void AxMoveHostWindow(QWidget *host, int x, int y, int width, int height);

// The automation object of the control inside host; null when host is not a host widget
// or holds no control.
QObject *AxGetControl(QWidget *host);
