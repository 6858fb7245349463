#pragma once
// One hosted player control: its host widget, its automation object (reached by member
// name), and the rectangle last given to Move. Every by-name access that cannot be made
// gives the empty value of its result type.

#include <QPointer>
#include <QString>

class QObject;
class QWidget;

class FlashControl {
public:
    // Class-identifier text the host widget is created from.
    static constexpr const char *ClassId = "{D27CDB6E-AE6D-11cf-96B8-444553540000}";

    FlashControl();  // initialises control hosting (AxWinInit), as every construction does
    virtual ~FlashControl();  // releases the automation object; the host widget goes with its parent
    FlashControl(const FlashControl &other);
    FlashControl &operator=(const FlashControl &other);

    // Creates the host widget inside parent (kept from an earlier call when null); true when
    // an automation object was obtained. Never given a parent: false, nothing created.
    virtual bool Create(QWidget *parent, int x, int y, int width, int height);
    virtual QWidget *ParentWindow() const;
    virtual void Move(int x, int y, int width, int height);
    virtual int Left() const;
    virtual int Top() const;
    virtual int Width() const;
    virtual int Height() const;
    virtual bool SetVariable(const QString &name, const QString &value);
    virtual bool AttachObject(QObject *object);
    virtual QObject *GetObject() const;
    virtual void ReleaseObject();

    QWidget *HostWindow() const;

    // Members reached by name.
    virtual int GetReadyState();
    virtual int GetTotalFrames();
    virtual bool GetPlaying();
    virtual bool SetPlaying(bool value);
    virtual int GetQuality();
    virtual bool SetQuality(int value);
    virtual int GetScaleMode();
    virtual bool SetScaleMode(int value);
    virtual int GetAlignMode();
    virtual bool SetAlignMode(int value);
    virtual int GetBackgroundColor();
    virtual bool SetBackgroundColor(int value);
    virtual bool GetLoop();
    virtual bool SetLoop(bool value);
    virtual QString GetMovie();
    virtual bool SetMovie(const QString &value);
    virtual int GetFrameNum();
    virtual bool SetFrameNum(int value);
    virtual int CurrentFrame();
    virtual bool IsPlaying();
    virtual int PercentLoaded();
    virtual bool FrameLoaded(int frame);
    virtual int FlashVersion();
    virtual QString GetWMode();
    virtual bool SetWMode(const QString &value);
    virtual QString GetSAlign();
    virtual bool SetSAlign(const QString &value);
    virtual bool GetMenu();
    virtual bool SetMenu(bool value);
    virtual QString GetBase();
    virtual bool SetBase(const QString &value);
    virtual QString GetScale();
    virtual bool SetScale(const QString &value);
    virtual bool GetDeviceFont();
    virtual bool SetDeviceFont(bool value);
    virtual bool GetEmbedMovie();
    virtual bool SetEmbedMovie(bool value);
    virtual QString GetBGColor();
    virtual bool SetBGColor(const QString &value);
    virtual QString GetQuality2();
    virtual bool SetQuality2(const QString &value);
    virtual int TCurrentFrame(const QString &target);
    virtual QString TCurrentLabel(const QString &target);
    virtual QString GetVariable(const QString &name);
    virtual QString TGetProperty(const QString &target, int property);
    virtual double TGetPropertyNum(const QString &target, int property);
    virtual double TGetPropertyAsNumber(const QString &target, int property);
    virtual QString GetSWRemote();
    virtual bool SetSWRemote(const QString &value);
    virtual QString GetFlashVars();
    virtual bool SetFlashVars(const QString &value);
    virtual QString GetAllowScriptAccess();
    virtual bool SetAllowScriptAccess(const QString &value);
    virtual QString GetMovieData();
    virtual bool SetMovieData(const QString &value);
    virtual int GetInlineData();
    virtual bool SetInlineData(int value);
    virtual bool GetSeamlessTabbing();
    virtual bool SetSeamlessTabbing(bool value);
    virtual bool GetProfile();
    virtual bool SetProfile(bool value);
    virtual QString GetProfileAddress();
    virtual bool SetProfileAddress(const QString &value);
    virtual int GetProfilePort();
    virtual bool SetProfilePort(int value);
    virtual QString CallFunction(const QString &request);
    virtual QString GetAllowNetworking();
    virtual bool SetAllowNetworking(const QString &value);
    virtual QString GetAllowFullScreen();
    virtual bool SetAllowFullScreen(const QString &value);

private:
    QPointer<QObject> m_object;
    QPointer<QWidget> m_hostWindow;
    QPointer<QWidget> m_parentWindow;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};
