#pragma once
// A progressive media stream over one libmpv handle, shaped like the movie's network
// stream: play/pause/resume/close/seek, status events with their "NetStream.*" codes,
// metadata with the duration, the current time and the bytes loaded and total.
// mpv events are taken on the UI thread when mpv's wakeup callback asks for it.

#include "player/mpv_core.h"

#include <QColor>
#include <QMarginsF>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QString>
#include <QTimer>
#include <QVariant>

struct mpv_event;
class MovieVolumeLevel;

class NetStream : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(double time READ time NOTIFY timeChanged)
    Q_PROPERTY(double bufferTime READ bufferTime WRITE setBufferTime NOTIFY bufferTimeChanged)
    Q_PROPERTY(double bytesLoaded READ bytesLoaded NOTIFY bytesChanged)
    Q_PROPERTY(double bytesTotal READ bytesTotal NOTIFY bytesChanged)
public:
    explicit NetStream(QObject *parent = nullptr);
    ~NetStream() override;

    // Starts playing address (a local path or a URL) from its beginning, unpaused.
    Q_INVOKABLE void play(const QString &address);
    Q_INVOKABLE void pause();
    Q_INVOKABLE void resume();
    // Stops and forgets the stream; the time goes back to 0.
    Q_INVOKABLE void close();
    // Seeks to seconds from the start; a stream that cannot seek reports
    // "NetStream.Seek.InvalidTime". Ignored before the stream has started.
    Q_INVOKABLE void seek(double seconds);

    double time() const { return m_time; }
    double bufferTime() const { return m_bufferTime; }
    void setBufferTime(double seconds);
    double bytesLoaded() const { return double(m_bytesLoaded); }
    double bytesTotal() const { return double(m_bytesTotal); }

    // For the video item: the handle its render context is made for. A stream with a
    // video attached starts a file only once that render context exists.
    MpvCorePtr core() const { return m_core; }
    void setVideoAttached(bool attached);
    void setSmoothing(bool smoothing);
    // Where the picture goes in the frame mpv draws: margins as shares of its width and
    // height, filled with the background colour (as are the bars beside the picture).
    void setVideoMargins(const QMarginsF &shares);
    void setVideoBackground(const QColor &color);

    void classBegin() override {}
    void componentComplete() override;

signals:
    void netStatus(const QString &code);
    // info.duration is the duration in seconds; absent when the stream declares none.
    void metaData(const QVariant &info);
    void timeChanged();
    void bufferTimeChanged();
    void bytesChanged();

private:
    enum class Phase { Idle, Opening, Started, Ended };

    static void Wakeup(void *context);
    void drainEvents();
    void handleEvent(const mpv_event &event);
    void handlePropertyChange(const mpv_event &event);
    void onFileLoaded();
    void onEndFile(const mpv_event &event);
    void startPending();
    void checkRenderContext();
    void applyVolume();
    void setTime(double seconds);
    void setBytes(qint64 loaded, qint64 total);
    QVariant declaredDuration() const;
    void status(const char *code);

    MpvCorePtr m_core;
    mpv_handle *m_mpv = nullptr;  // m_core's handle
    QAtomicInt m_drainQueued = 0;
    Phase m_phase = Phase::Idle;
    qint64 m_entryId = -1;        // playlist entry of the current stream
    qint64 m_startedEntry = -2;   // entry mpv started last
    bool m_awaitingBufferFull = false;
    bool m_pausedForCache = false;
    bool m_localFile = false;
    double m_time = 0;
    double m_knownDuration = -1;  // mpv's duration, estimated or declared; -1 unknown
    double m_bufferTime = 1;
    qint64 m_bytesLoaded = 0;
    qint64 m_bytesTotal = 0;

    // A stream shown by a video item waits for the item's render context before it starts,
    // so that mpv's video output can open; a hidden item starts it anyway after a while
    // and gets its picture once the context is there. Checked only while waiting.
    bool m_videoAttached = false;
    QString m_pendingAddress;
    QTimer m_renderCheck;
    int m_renderChecksLeft = 0;
    bool m_startedWithoutPicture = false;

    QPointer<MovieVolumeLevel> m_volume;
};
