#pragma once
// The overall sound level of one movie (one movie context): every sound object of the movie
// sets it and every stream of the movie plays at it. A percentage of the normal level:
// 0 silent, 100 normal, above 100 amplified.

#include <QObject>

class MovieVolumeLevel : public QObject {
    Q_OBJECT
public:
    // The level of the movie that runs qmlObject; null when the object has no engine.
    static MovieVolumeLevel *Of(const QObject *qmlObject);

    double percent() const { return m_percent; }
    void setPercent(double percent);

signals:
    void percentChanged(double percent);

private:
    explicit MovieVolumeLevel(QObject *movieContext);
    double m_percent = 100;
};
