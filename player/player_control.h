#pragma once
// The player control: runs a movie (a QML document, or a still or animated picture) given
// by address, and offers its members by automation name through the meta-object system.

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

class MovieHost;
class MoviePicture;
class MovieView;
class QNetworkAccessManager;
class QNetworkReply;
class QQmlComponent;
class QQmlContext;
class QQuickItem;

// Registers the control class under the player control's class identifier; safe to call again.
void RegisterPlayerControlClass();

class PlayerControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ReadyState READ readyState)
    Q_PROPERTY(int TotalFrames READ totalFrames)
    Q_PROPERTY(bool Playing READ playing WRITE setPlaying)
    Q_PROPERTY(int Quality READ quality WRITE setQuality)
    Q_PROPERTY(int ScaleMode READ scaleMode WRITE setScaleMode)
    Q_PROPERTY(int AlignMode READ alignMode WRITE setAlignMode)
    Q_PROPERTY(int BackgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(bool Loop READ loop WRITE setLoop)
    Q_PROPERTY(QString Movie READ movie WRITE setMovie)
    Q_PROPERTY(int FrameNum READ CurrentFrame WRITE setFrameNum)
    Q_PROPERTY(QString WMode READ wmode WRITE setWMode)
    Q_PROPERTY(QString SAlign READ salign WRITE setSAlign)
    Q_PROPERTY(bool Menu MEMBER m_menu)
    Q_PROPERTY(QString Base MEMBER m_base)
    Q_PROPERTY(QString Scale READ scale WRITE setScale)
    Q_PROPERTY(bool DeviceFont MEMBER m_deviceFont)
    Q_PROPERTY(bool EmbedMovie MEMBER m_embedMovie)
    Q_PROPERTY(QString BGColor READ bgcolor WRITE setBGColor)
    Q_PROPERTY(QString Quality2 READ quality2 WRITE setQuality2)
    Q_PROPERTY(QString SWRemote MEMBER m_swRemote)
    Q_PROPERTY(QString FlashVars MEMBER m_flashVars)
    Q_PROPERTY(QString AllowScriptAccess MEMBER m_allowScriptAccess)
    Q_PROPERTY(QString MovieData MEMBER m_movieData)
    Q_PROPERTY(int InlineData MEMBER m_inlineData)
    Q_PROPERTY(bool SeamlessTabbing MEMBER m_seamlessTabbing)
    Q_PROPERTY(bool Profile MEMBER m_profile)
    Q_PROPERTY(QString ProfileAddress MEMBER m_profileAddress)
    Q_PROPERTY(int ProfilePort MEMBER m_profilePort)
    Q_PROPERTY(QString AllowNetworking MEMBER m_allowNetworking)
    Q_PROPERTY(QString AllowFullScreen MEMBER m_allowFullScreen)

public:
    explicit PlayerControl(QWidget *parent = nullptr);
    ~PlayerControl() override;

    Q_INVOKABLE int CurrentFrame() const;
    Q_INVOKABLE bool IsPlaying() const;
    Q_INVOKABLE int PercentLoaded() const;
    Q_INVOKABLE bool FrameLoaded(int frame) const;
    Q_INVOKABLE int FlashVersion() const;
    Q_INVOKABLE int TCurrentFrame(const QString &target) const;
    Q_INVOKABLE QString TCurrentLabel(const QString &target) const;
    Q_INVOKABLE QString GetVariable(const QString &name) const;
    Q_INVOKABLE bool setVariable(const QString &name, const QString &value);
    Q_INVOKABLE QString TGetProperty(const QString &target, int property) const;
    Q_INVOKABLE double TGetPropertyNum(const QString &target, int property) const;
    Q_INVOKABLE double TGetPropertyAsNumber(const QString &target, int property) const;
    Q_INVOKABLE QString CallFunction(const QString &request);

    int readyState() const;
    int totalFrames() const;
    bool playing() const;
    void setPlaying(bool playing);
    int quality() const { return m_quality; }
    void setQuality(int quality);
    QString quality2() const;
    void setQuality2(const QString &quality);
    int scaleMode() const { return m_scaleMode; }
    void setScaleMode(int mode);
    QString scale() const;
    void setScale(const QString &scale);
    int alignMode() const { return m_alignMode; }
    void setAlignMode(int bits);
    QString salign() const;
    void setSAlign(const QString &align);
    int backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(int rgb);
    QString bgcolor() const;
    void setBGColor(const QString &color);
    bool loop() const { return m_loop; }
    void setLoop(bool loop);
    QString movie() const { return m_movieAddress; }
    void setMovie(const QString &address);
    void setFrameNum(int frame);
    QString wmode() const { return m_wmode; }
    void setWMode(const QString &mode);

    bool hasMovie() const;
    QQuickItem *rootItem() const;
    MovieHost *movieHost() const { return m_host; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void unloadMovie();
    void fetchRemote(const QUrl &url);
    void loadBytes(const QByteArray &bytes, const QUrl &url);
    void loadDocument(const QByteArray &bytes, const QUrl &url);
    void finishDocument(quint64 generation);
    void applyFlashVars();
    QObject *targetObject(const QString &target) const;
    QVariant targetProperty(const QString &target, int property) const;
    QColor stageColor() const;
    bool isTransparent() const;

    MovieHost *m_host = nullptr;
    QString m_movieAddress;
    quint64 m_generation = 0;  // bumped by every Movie write, so stale loads are dropped
    bool m_fetching = false;
    qint64 m_fetchReceived = 0;
    qint64 m_fetchTotal = 0;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    MoviePicture *m_picture = nullptr;
    MovieView *m_view = nullptr;
    QQmlComponent *m_component = nullptr;
    QQmlContext *m_context = nullptr;
    QUrl m_documentUrl;

    bool m_playing = true;
    bool m_loop = true;
    int m_quality = 1;
    int m_scaleMode = 0;
    int m_alignMode = 0;
    int m_backgroundColor = -1;
    QString m_wmode = QStringLiteral("Window");
    bool m_menu = true;
    QString m_base;
    bool m_deviceFont = false;
    bool m_embedMovie = false;
    QString m_swRemote;
    QString m_flashVars;
    QString m_allowScriptAccess = QStringLiteral("sameDomain");
    QString m_movieData;
    int m_inlineData = 1;
    bool m_seamlessTabbing = true;
    bool m_profile = false;
    QString m_profileAddress;
    int m_profilePort = 0;
    QString m_allowNetworking = QStringLiteral("all");
    QString m_allowFullScreen = QStringLiteral("false");
};
