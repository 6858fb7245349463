#pragma once
#include <QObject>

class QWidget;

// Keeps the rounded region of a widget the skin does not paint (a plain check box, radio
// button or group box) in step with the widget's size.
class RoundRegionFollower : public QObject {
    Q_OBJECT
public:
    explicit RoundRegionFollower(QObject *parent = nullptr);

    // Gives `widget` the rounded region now and after every resize; once per widget.
    static void Attach(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
