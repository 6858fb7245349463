#pragma once
// The movie's sound object without a target: it controls the overall volume of the movie
// that created it (setVolume/getVolume as a percentage, without any limit of its own).

#include <QObject>

class MovieSound : public QObject {
    Q_OBJECT
    Q_PROPERTY(double volume READ getVolume WRITE setVolume NOTIFY volumeChanged)
public:
    explicit MovieSound(QObject *parent = nullptr);

    // Non-finite values and values below 0 are ignored (negative levels mean nothing).
    Q_INVOKABLE void setVolume(double percent);
    Q_INVOKABLE double getVolume() const;

signals:
    void volumeChanged();
};
