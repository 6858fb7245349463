#include "player/player_control.h"

#include "platform/ax_host.h"
#include "player/external_call.h"
#include "player/flash_control.h"
#include "player/movie_engine.h"
#include "player/movie_host.h"
#include "player/movie_picture.h"
#include "player/movie_view.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QUrlQuery>

namespace {

bool IsRemote(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"ftp";
}

// The movie address as a URL: absolute paths, "file:", "qrc:" and ":/" resources, remote
// addresses, and paths relative to Base (or to the working directory without one).
QUrl ResolveAddress(const QString &address, const QString &base)
{
    if (address.startsWith(u":/"))
        return QUrl(QStringLiteral("qrc") + address);
    if (QDir::isAbsolutePath(address))
        return QUrl::fromLocalFile(address);
    const QUrl url(address);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    if (!base.isEmpty()) {
        QUrl baseUrl = QDir::isAbsolutePath(base) ? QUrl::fromLocalFile(base) : QUrl(base);
        if (!baseUrl.path().endsWith(u'/'))
            baseUrl.setPath(baseUrl.path() + u'/');
        return baseUrl.resolved(QUrl(address));
    }
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(address));
}

// The whole file at once, so the file may go away as soon as the Movie write returns.
bool ReadLocal(const QUrl &url, QByteArray &bytes)
{
    const QString path = url.scheme() == u"qrc" ? u':' + url.path() : url.toLocalFile();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

}  // namespace

void RegisterPlayerControlClass()
{
    static const bool registered = [] {
        AxRegisterControlClass(QString::fromLatin1(FlashControl::ClassId),
                               [](QWidget *host) -> QWidget * { return new PlayerControl(host); });
        return true;
    }();
    Q_UNUSED(registered);
}

PlayerControl::PlayerControl(QWidget *parent) : QWidget(parent), m_host(new MovieHost(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PlayerControl::~PlayerControl()
{
    unloadMovie();
}

bool PlayerControl::hasMovie() const
{
    return m_picture || rootItem();
}

QQuickItem *PlayerControl::rootItem() const
{
    return m_view ? m_view->rootItem() : nullptr;
}

void PlayerControl::setMovie(const QString &address)
{
    m_movieAddress = address;
    ++m_generation;
    unloadMovie();
    if (address.trimmed().isEmpty())
        return;
    const QUrl url = ResolveAddress(address.trimmed(), m_base);
    if (IsRemote(url)) {
        fetchRemote(url);
        return;
    }
    QByteArray bytes;
    if (ReadLocal(url, bytes))
        loadBytes(bytes, url);
}

void PlayerControl::unloadMovie()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_fetching = false;
    m_fetchReceived = m_fetchTotal = 0;
    m_host->reset();
    delete m_picture;
    m_picture = nullptr;
    // The view owns the root item, which needs its component and context until it is gone.
    delete m_view;
    m_view = nullptr;
    // Later: this may run from the component's own status signal.
    if (m_component)
        m_component->deleteLater();
    m_component = nullptr;
    delete m_context;
    m_context = nullptr;
    update();
}

void PlayerControl::fetchRemote(const QUrl &url)
{
    if (m_allowNetworking.compare(u"none", Qt::CaseInsensitive) == 0)
        return;
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = m_network->get(request);
    m_fetching = true;
    const quint64 generation = m_generation;
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        m_fetchReceived = received;
        m_fetchTotal = total;
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, generation] {
        reply->deleteLater();
        if (generation != m_generation)
            return;
        m_fetching = false;
        if (reply->error() == QNetworkReply::NoError)
            loadBytes(reply->readAll(), reply->url());
    });
}

void PlayerControl::loadBytes(const QByteArray &bytes, const QUrl &url)
{
    if (MoviePicture::IsPicture(bytes)) {
        m_picture = new MoviePicture(bytes, this);
        m_picture->setLoop(m_loop);
        m_picture->setPlaying(m_playing);
        connect(m_picture, &MoviePicture::frameChanged, this, qOverload<>(&QWidget::update));
        update();
        return;
    }
    loadDocument(bytes, url);
}

void PlayerControl::loadDocument(const QByteArray &bytes, const QUrl &url)
{
    m_documentUrl = url;
    m_component = new QQmlComponent(SharedMovieEngine(), this);
    m_component->setData(bytes, url);
    const quint64 generation = m_generation;
    if (m_component->isLoading()) {
        connect(m_component, &QQmlComponent::statusChanged, this, [this, generation] {
            if (!m_component->isLoading())
                finishDocument(generation);
        });
        return;
    }
    finishDocument(generation);
}

void PlayerControl::finishDocument(quint64 generation)
{
    if (generation != m_generation)
        return;
    if (!m_component || !m_component->isReady()) {
        unloadMovie();
        return;
    }
    QQmlEngine *engine = SharedMovieEngine();
    m_context = new QQmlContext(engine->rootContext(), this);
    m_context->setContextProperty(QStringLiteral("MovieHost"), m_host);
    m_host->setStageSize(width(), height());
    QObject *root = m_component->beginCreate(m_context);
    auto *item = qobject_cast<QQuickItem *>(root);
    if (item) {
        m_host->setRootObject(item);
        applyFlashVars();
    }
    if (root)
        m_component->completeCreate();
    if (!item) {
        delete root;
        unloadMovie();
        return;
    }
    QQmlEngine::setObjectOwnership(item, QQmlEngine::CppOwnership);
    m_view = new MovieView(item, stageColor(), this);
    m_view->setGeometry(rect());
    m_view->show();
}

void PlayerControl::applyFlashVars()
{
    const QUrlQuery vars(m_flashVars);
    for (const auto &[name, value] : vars.queryItems(QUrl::FullyDecoded))
        m_host->assignVariable(name, value);
}

void PlayerControl::paintEvent(QPaintEvent *)
{
    if (m_view)
        return;
    QPainter painter(this);
    if (!isTransparent())
        painter.fillRect(rect(), stageColor());
    if (!m_picture)
        return;
    const QImage image = m_picture->currentImage();
    painter.setClipRect(rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_quality != 0 && m_quality != 2);
    painter.drawImage(StagePlacement(image.size(), rect(), m_scaleMode, m_alignMode), image);
}

void PlayerControl::resizeEvent(QResizeEvent *event)
{
    if (m_view)
        m_view->setGeometry(rect());
    m_host->setStageSize(width(), height());
    QWidget::resizeEvent(event);
}

bool PlayerControl::setVariable(const QString &name, const QString &value)
{
    return rootItem() && m_host->assignVariable(name, value);
}

QString PlayerControl::GetVariable(const QString &name) const
{
    return rootItem() ? m_host->readVariable(name) : QString();
}

QString PlayerControl::CallFunction(const QString &request)
{
    if (!rootItem())
        return {};
    const std::optional<InvokeRequest> call = ParseInvokeRequest(request, SharedMovieEngine());
    if (!call || !m_host->hasCallback(call->name))
        return {};
    QJSValue fn = m_host->callback(call->name);
    const QJSValue result = fn.call(call->arguments);
    return result.isError() ? QString() : ExternalReplyXml(result);
}
