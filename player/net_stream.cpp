#include "player/net_stream.h"

#include "player/movie_volume_level.h"

#include <QUrl>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <mpv/client.h>
#include <utility>

namespace {

enum Observed : uint64_t { TimePos = 1, PausedForCache, FileSize, StreamPos, Duration };

constexpr int RenderCheckMs = 10;
constexpr int HiddenVideoWaitMs = 2000;
constexpr int LateVideoCheckMs = 250;
constexpr int LateVideoChecks = 240;  // a minute
constexpr const char *VolumeMax = "500";

void SetOption(mpv_handle *mpv, const char *name, const char *value)
{
    mpv_set_option_string(mpv, name, value);  // an option this mpv lacks is no reason to fail
}

bool IsLocalAddress(const QString &address)
{
    const QUrl url(address);
    return url.scheme().size() <= 1 || url.isLocalFile();  // "C:" style drive letters too
}

double GetDouble(mpv_handle *mpv, const char *name, double fallback)
{
    double value = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_DOUBLE, &value) >= 0 ? value : fallback;
}

qint64 GetInt64(mpv_handle *mpv, const char *name, qint64 fallback)
{
    int64_t value = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_INT64, &value) >= 0 ? value : fallback;
}

bool GetFlag(mpv_handle *mpv, const char *name)
{
    int value = 0;
    return mpv_get_property(mpv, name, MPV_FORMAT_FLAG, &value) >= 0 && value;
}

QString GetString(mpv_handle *mpv, const char *name)
{
    char *value = mpv_get_property_string(mpv, name);
    if (!value)
        return {};
    const QString text = QString::fromUtf8(value);
    mpv_free(value);
    return text;
}

mpv_handle *CreateMpv()
{
    std::setlocale(LC_NUMERIC, "C");  // mpv refuses to start under a locale with other decimals
    mpv_handle *mpv = mpv_create();
    if (!mpv)
        return nullptr;
    SetOption(mpv, "config", "no");
    SetOption(mpv, "terminal", "no");
    SetOption(mpv, "input-default-bindings", "no");
    SetOption(mpv, "input-vo-keyboard", "no");
    SetOption(mpv, "load-scripts", "no");
    // mpv's built-in scripts (each a Lua thread of its own) serve its own window only.
    SetOption(mpv, "load-stats-overlay", "no");
    SetOption(mpv, "load-osd-console", "no");
    SetOption(mpv, "load-auto-profiles", "no");
    SetOption(mpv, "ytdl", "no");
    SetOption(mpv, "osc", "no");
    SetOption(mpv, "osd-level", "0");
    SetOption(mpv, "osd-bar", "no");
    SetOption(mpv, "vo", "libmpv");
    SetOption(mpv, "hwdec", "no");
    SetOption(mpv, "idle", "yes");
    SetOption(mpv, "keep-open", "no");
    SetOption(mpv, "audio-fallback-to-null", "yes");
    SetOption(mpv, "volume-max", VolumeMax);
    // FLV metadata as written by the muxer, so a file that declares no duration shows none.
    SetOption(mpv, "demuxer-lavf-o", "flv_full_metadata=1");
    if (mpv_initialize(mpv) < 0) {
        mpv_terminate_destroy(mpv);
        return nullptr;
    }
    return mpv;
}

}  // namespace

NetStream::NetStream(QObject *parent) : QObject(parent)
{
    connect(&m_renderCheck, &QTimer::timeout, this, &NetStream::checkRenderContext);

    mpv_handle *mpv = CreateMpv();
    if (!mpv)
        return;
    m_core = std::make_shared<MpvCore>(mpv);
    m_mpv = mpv;
    mpv_observe_property(mpv, TimePos, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(mpv, PausedForCache, "paused-for-cache", MPV_FORMAT_FLAG);
    mpv_observe_property(mpv, FileSize, "file-size", MPV_FORMAT_INT64);
    mpv_observe_property(mpv, StreamPos, "stream-pos", MPV_FORMAT_INT64);
    mpv_observe_property(mpv, Duration, "duration", MPV_FORMAT_DOUBLE);
    setBufferTime(m_bufferTime);
    mpv_set_wakeup_callback(mpv, &NetStream::Wakeup, this);
}

NetStream::~NetStream()
{
    if (!m_mpv)
        return;
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    // A video item may still hold the handle for its render context; the sound stops now.
    const char *stop[] = {"stop", nullptr};
    mpv_command(m_mpv, stop);
}

void NetStream::componentComplete()
{
    m_volume = MovieVolumeLevel::Of(this);
    if (m_volume)
        connect(m_volume, &MovieVolumeLevel::percentChanged, this, &NetStream::applyVolume);
    applyVolume();
}

void NetStream::Wakeup(void *context)
{
    // mpv's thread: only queue the drain, never call mpv from here.
    auto *self = static_cast<NetStream *>(context);
    if (self->m_drainQueued.testAndSetOrdered(0, 1))
        QMetaObject::invokeMethod(self, &NetStream::drainEvents, Qt::QueuedConnection);
}

void NetStream::drainEvents()
{
    m_drainQueued.storeRelease(0);
    while (m_mpv) {
        const mpv_event *event = mpv_wait_event(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handleEvent(*event);
    }
}

void NetStream::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        m_startedEntry = static_cast<const mpv_event_start_file *>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_FILE_LOADED:
        if (m_phase == Phase::Opening && m_startedEntry == m_entryId)
            onFileLoaded();
        break;
    case MPV_EVENT_SEEK:
        if (m_phase == Phase::Started && m_startedEntry == m_entryId) {
            m_awaitingBufferFull = true;
            status("NetStream.Seek.Notify");
        }
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (m_phase == Phase::Started && m_startedEntry == m_entryId && m_awaitingBufferFull
            && !m_pausedForCache) {
            m_awaitingBufferFull = false;
            status("NetStream.Buffer.Full");
        }
        break;
    case MPV_EVENT_END_FILE:
        onEndFile(event);
        break;
    case MPV_EVENT_PROPERTY_CHANGE:
        handlePropertyChange(event);
        break;
    default:
        break;
    }
}

void NetStream::handlePropertyChange(const mpv_event &event)
{
    const auto *property = static_cast<const mpv_event_property *>(event.data);
    const bool current = m_phase == Phase::Started && m_startedEntry == m_entryId;
    const bool available = property->format != MPV_FORMAT_NONE && property->data;
    switch (event.reply_userdata) {
    case TimePos:
        if (current && available)
            setTime(std::max(0.0, *static_cast<double *>(property->data)));
        break;
    case Duration:
        if (current && available)
            m_knownDuration = *static_cast<double *>(property->data);
        break;
    case PausedForCache: {
        const bool paused = available && *static_cast<int *>(property->data);
        if (!current || paused == m_pausedForCache)
            break;
        m_pausedForCache = paused;
        if (paused) {
            status("NetStream.Buffer.Empty");
        } else {
            m_awaitingBufferFull = false;
            status("NetStream.Buffer.Full");
        }
        break;
    }
    case FileSize:
        if (current && available) {
            const qint64 total = *static_cast<int64_t *>(property->data);
            setBytes(m_localFile ? total : std::min(m_bytesLoaded, total), total);
        }
        break;
    case StreamPos:
        if (current && available && !m_localFile) {
            const qint64 position = *static_cast<int64_t *>(property->data);
            qint64 loaded = std::max(m_bytesLoaded, position);
            if (m_bytesTotal > 0)
                loaded = std::min(loaded, m_bytesTotal);
            setBytes(loaded, m_bytesTotal);
        }
        break;
    default:
        break;
    }
}

void NetStream::onFileLoaded()
{
    mpv_handle *mpv = m_mpv;
    m_phase = Phase::Started;
    m_knownDuration = GetDouble(mpv, "duration", -1);
    const qint64 total = GetInt64(mpv, "file-size", 0);
    setBytes(m_localFile ? total : std::min<qint64>(GetInt64(mpv, "stream-pos", 0), total), total);

    const qint64 entry = m_entryId;
    status("NetStream.Play.Start");
    if (entry != m_entryId || m_phase != Phase::Started)
        return;  // the status handler already moved on to another stream
    QVariantMap info;
    const QVariant duration = declaredDuration();
    if (duration.isValid())
        info.insert(QStringLiteral("duration"), duration);
    const qint64 width = GetInt64(mpv, "width", 0), height = GetInt64(mpv, "height", 0);
    if (width > 0 && height > 0) {
        info.insert(QStringLiteral("width"), double(width));
        info.insert(QStringLiteral("height"), double(height));
    }
    emit metaData(info);
}

// The duration the stream itself declares: for FLV the one in its metadata (a muxer that
// could not go back writes 0 there), for other containers the container's duration.
QVariant NetStream::declaredDuration() const
{
    mpv_handle *mpv = m_mpv;
    if (GetString(mpv, "file-format") == QLatin1String("flv")) {
        bool ok = false;
        const double declared = GetString(mpv, "metadata/by-key/duration").toDouble(&ok);
        if (!ok || !(declared > 0))
            return {};
    }
    const double duration = GetDouble(mpv, "duration", -1);
    return duration > 0 ? QVariant(duration) : QVariant();
}

void NetStream::onEndFile(const mpv_event &event)
{
    const auto *end = static_cast<const mpv_event_end_file *>(event.data);
    if (end->playlist_entry_id != m_entryId)
        return;
    if (end->reason == MPV_END_FILE_REASON_REDIRECT) {
        // A playlist address: follow its first entry.
        if (end->playlist_insert_num_entries > 0)
            m_entryId = end->playlist_insert_id;
        return;
    }
    if (end->reason != MPV_END_FILE_REASON_EOF && end->reason != MPV_END_FILE_REASON_ERROR)
        return;  // stopped or replaced by us
    const qint64 entry = m_entryId;
    if (m_phase != Phase::Started) {
        m_phase = Phase::Idle;
        status("NetStream.Play.StreamNotFound");
        return;
    }
    m_phase = Phase::Ended;
    m_pausedForCache = false;
    // A stream played to its end stopped at its duration, whatever the last frame's time.
    if (end->reason == MPV_END_FILE_REASON_EOF && m_knownDuration > m_time)
        setTime(m_knownDuration);
    if (m_bytesTotal > 0)
        setBytes(m_bytesTotal, m_bytesTotal);
    status("NetStream.Buffer.Flush");
    if (entry == m_entryId && m_phase == Phase::Ended)
        status("NetStream.Play.Stop");
}

void NetStream::play(const QString &address)
{
    m_pendingAddress = address;
    m_entryId = -1;
    m_phase = Phase::Opening;
    m_awaitingBufferFull = true;
    m_pausedForCache = false;
    m_knownDuration = -1;
    m_localFile = IsLocalAddress(address);
    setBytes(0, 0);
    setTime(0);
    m_startedWithoutPicture = false;
    if (m_videoAttached && m_core && !m_core->renderContextReady) {
        m_renderChecksLeft = HiddenVideoWaitMs / RenderCheckMs;
        m_renderCheck.start(RenderCheckMs);
    } else {
        startPending();
    }
}

void NetStream::startPending()
{
    m_renderCheck.stop();
    if (m_pendingAddress.isNull() || m_phase != Phase::Opening)
        return;
    const QByteArray address = m_pendingAddress.toUtf8();
    m_pendingAddress.clear();
    if (!m_mpv) {
        m_phase = Phase::Idle;
        status("NetStream.Play.StreamNotFound");
        return;
    }
    mpv_set_property_string(m_mpv, "pause", "no");
    // mpv's video output waits for a render context, so without one the file plays
    // without its picture; checkRenderContext brings the picture back later.
    const bool canShow = m_videoAttached && m_core->renderContextReady;
    mpv_set_property_string(m_mpv, "vid", canShow ? "auto" : "no");
    const char *command[] = {"loadfile", address.constData(), "replace", nullptr};
    mpv_node result{};
    if (mpv_command_ret(m_mpv, command, &result) < 0) {
        m_phase = Phase::Idle;
        status("NetStream.Play.StreamNotFound");
        return;
    }
    if (result.format == MPV_FORMAT_NODE_MAP) {
        for (int i = 0; i < result.u.list->num; ++i) {
            const mpv_node &value = result.u.list->values[i];
            if (qstrcmp(result.u.list->keys[i], "playlist_entry_id") == 0
                && value.format == MPV_FORMAT_INT64)
                m_entryId = value.u.int64;
        }
    }
    mpv_free_node_contents(&result);
}

void NetStream::pause()
{
    if (m_mpv)
        mpv_set_property_string(m_mpv, "pause", "yes");
}

void NetStream::resume()
{
    if (m_mpv)
        mpv_set_property_string(m_mpv, "pause", "no");
}

void NetStream::close()
{
    m_renderCheck.stop();
    m_pendingAddress.clear();
    m_entryId = -1;
    m_phase = Phase::Idle;
    m_pausedForCache = false;
    if (m_mpv) {
        const char *stop[] = {"stop", nullptr};
        mpv_command(m_mpv, stop);
    }
    setBytes(0, 0);
    setTime(0);
}

void NetStream::seek(double seconds)
{
    if (m_phase != Phase::Started || !std::isfinite(seconds) || !m_mpv)
        return;
    if (!GetFlag(m_mpv, "seekable")) {
        status("NetStream.Seek.InvalidTime");
        return;
    }
    const QByteArray target = QByteArray::number(std::max(0.0, seconds), 'f', 3);
    const char *command[] = {"seek", target.constData(), "absolute", nullptr};
    if (mpv_command(m_mpv, command) < 0)
        status("NetStream.Seek.InvalidTime");
}

void NetStream::setBufferTime(double seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return;
    const bool changed = seconds != m_bufferTime;
    m_bufferTime = seconds;
    if (m_mpv) {
        // Playback waits for this much after the buffer ran empty.
        const QByteArray wait = QByteArray::number(seconds, 'f', 3);
        mpv_set_property_string(m_mpv, "cache-pause-wait", wait.constData());
    }
    if (changed)
        emit bufferTimeChanged();
}

void NetStream::setVideoAttached(bool attached)
{
    m_videoAttached = attached;
    if (!attached)
        startPending();
}

void NetStream::checkRenderContext()
{
    const bool ready = m_core && m_core->renderContextReady;
    if (!m_pendingAddress.isNull()) {
        if (ready || --m_renderChecksLeft <= 0) {
            m_startedWithoutPicture = !ready;
            startPending();
            if (m_startedWithoutPicture) {
                m_renderChecksLeft = LateVideoChecks;
                m_renderCheck.start(LateVideoCheckMs);
            }
        }
        return;
    }
    if (!m_videoAttached || m_phase == Phase::Idle || m_phase == Phase::Ended) {
        m_renderCheck.stop();
        return;
    }
    if (!ready || m_phase != Phase::Started) {
        if (--m_renderChecksLeft <= 0)
            m_renderCheck.stop();
        return;
    }
    m_renderCheck.stop();
    if (m_startedWithoutPicture)
        mpv_set_property_string(m_mpv, "vid", "auto");  // started hidden: now the picture
    m_startedWithoutPicture = false;
}

void NetStream::setSmoothing(bool smoothing)
{
    if (!m_mpv)
        return;
    const char *filter = smoothing ? "bilinear" : "nearest";
    mpv_set_property_string(m_mpv, "scale", filter);
    mpv_set_property_string(m_mpv, "cscale", filter);
    mpv_set_property_string(m_mpv, "dscale", filter);
}

void NetStream::setVideoMargins(const QMarginsF &shares)
{
    if (!m_mpv)
        return;
    const std::pair<const char *, double> sides[] = {
        {"video-margin-ratio-left", shares.left()}, {"video-margin-ratio-top", shares.top()},
        {"video-margin-ratio-right", shares.right()}, {"video-margin-ratio-bottom", shares.bottom()}};
    for (auto [name, share] : sides) {
        double value = qBound(0.0, share, 1.0);
        mpv_set_property(m_mpv, name, MPV_FORMAT_DOUBLE, &value);
    }
}

void NetStream::setVideoBackground(const QColor &color)
{
    if (m_mpv && color.isValid())
        mpv_set_property_string(m_mpv, "background", color.name(QColor::HexRgb).toLatin1().constData());
}

// The level is a percentage of the signal's amplitude; mpv's volume scale is cubic.
void NetStream::applyVolume()
{
    if (!m_mpv)
        return;
    const double percent = m_volume ? m_volume->percent() : 100;
    double volume = 100 * std::cbrt(percent / 100);
    volume = std::clamp(volume, 0.0, 500.0);
    mpv_set_property(m_mpv, "volume", MPV_FORMAT_DOUBLE, &volume);
}

void NetStream::setTime(double seconds)
{
    if (seconds == m_time)
        return;
    m_time = seconds;
    emit timeChanged();
}

void NetStream::setBytes(qint64 loaded, qint64 total)
{
    if (loaded == m_bytesLoaded && total == m_bytesTotal)
        return;
    m_bytesLoaded = loaded;
    m_bytesTotal = total;
    emit bytesChanged();
}

void NetStream::status(const char *code)
{
    emit netStatus(QString::fromLatin1(code));
}
