#pragma once
#include <QObject>
#include <QString>

class QPainter;
class QProgressBar;

// The skin of a progress bar: a two-band light track, a two-band saturated fill from the
// left (from the bottom when vertical), an outline, and the text the application asks for
// with the bar's text-style and content properties.
class ProgressSkinProc : public QObject {
    Q_OBJECT
public:
    explicit ProgressSkinProc(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The filled share, 0..1. Equal limits give 1 for a positive position, else 0.
double ProgressFraction(int low, int high, int position);

// The text style 0..5 asks for: none, content, position, percent, content + position,
// content + percent (the percent truncated, not rounded).
QString ProgressText(int textStyle, const QString &content, int position, double fraction);

void PaintProgress(QProgressBar *bar, QPainter &p, int width, int height);
