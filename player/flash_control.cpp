#include "player/flash_control.h"

#include "platform/ax_host.h"
#include "platform/ax_member_access.h"
#include "player/player_control.h"

#include <QWidget>

FlashControl::FlashControl()
{
    AxWinInit();
    RegisterPlayerControlClass();
}

FlashControl::~FlashControl()
{
    ReleaseObject();
}

FlashControl::FlashControl(const FlashControl &other) = default;
FlashControl &FlashControl::operator=(const FlashControl &other) = default;

bool FlashControl::Create(QWidget *parent, int x, int y, int width, int height)
{
    if (parent)
        m_parentWindow = parent;
    if (!m_parentWindow)
        return false;
    m_hostWindow = AxCreateHostWindow(QString::fromLatin1(ClassId), m_parentWindow, x, y, width,
                                      height, 1);
    m_object = AxGetControl(m_hostWindow);
    return !m_object.isNull();
}

QWidget *FlashControl::ParentWindow() const
{
    return m_parentWindow;
}

void FlashControl::Move(int x, int y, int width, int height)
{
    m_left = x;
    m_top = y;
    m_width = width;
    m_height = height;
    AxMoveHostWindow(m_hostWindow, x, y, width, height);
}

int FlashControl::Left() const
{
    return m_left;
}

int FlashControl::Top() const
{
    return m_top;
}

int FlashControl::Width() const
{
    return m_width;
}

int FlashControl::Height() const
{
    return m_height;
}

bool FlashControl::SetVariable(const QString &name, const QString &value)
{
    bool called = false;
    const QVariant result = AxCallMember(m_object, "setVariable", {name, value}, &called);
    return called && (!result.isValid() || result.toBool());
}

// Takes the object when it is a player control; otherwise the control is left without one.
bool FlashControl::AttachObject(QObject *object)
{
    ReleaseObject();
    m_object = qobject_cast<PlayerControl *>(object);
    return !m_object.isNull();
}

QObject *FlashControl::GetObject() const
{
    return m_object;
}

void FlashControl::ReleaseObject()
{
    m_object = nullptr;
}

QWidget *FlashControl::HostWindow() const
{
    return m_hostWindow;
}

int FlashControl::GetReadyState()
{
    return AxToInt(AxReadMember(m_object, "ReadyState"));
}

int FlashControl::GetTotalFrames()
{
    return AxToInt(AxReadMember(m_object, "TotalFrames"));
}

bool FlashControl::GetPlaying()
{
    return AxToBool(AxReadMember(m_object, "Playing"));
}

bool FlashControl::SetPlaying(bool value)
{
    return AxWriteMember(m_object, "Playing", value);
}

int FlashControl::GetQuality()
{
    return AxToInt(AxReadMember(m_object, "Quality"));
}

bool FlashControl::SetQuality(int value)
{
    return AxWriteMember(m_object, "Quality", value);
}

int FlashControl::GetScaleMode()
{
    return AxToInt(AxReadMember(m_object, "ScaleMode"));
}

bool FlashControl::SetScaleMode(int value)
{
    return AxWriteMember(m_object, "ScaleMode", value);
}

int FlashControl::GetAlignMode()
{
    return AxToInt(AxReadMember(m_object, "AlignMode"));
}

bool FlashControl::SetAlignMode(int value)
{
    return AxWriteMember(m_object, "AlignMode", value);
}

int FlashControl::GetBackgroundColor()
{
    return AxToInt(AxReadMember(m_object, "BackgroundColor"));
}

bool FlashControl::SetBackgroundColor(int value)
{
    return AxWriteMember(m_object, "BackgroundColor", value);
}

bool FlashControl::GetLoop()
{
    return AxToBool(AxReadMember(m_object, "Loop"));
}

bool FlashControl::SetLoop(bool value)
{
    return AxWriteMember(m_object, "Loop", value);
}

QString FlashControl::GetMovie()
{
    return AxToText(AxReadMember(m_object, "Movie"));
}

bool FlashControl::SetMovie(const QString &value)
{
    return AxWriteMember(m_object, "Movie", value);
}

int FlashControl::GetFrameNum()
{
    return AxToInt(AxReadMember(m_object, "FrameNum"));
}

bool FlashControl::SetFrameNum(int value)
{
    return AxWriteMember(m_object, "FrameNum", value);
}

int FlashControl::CurrentFrame()
{
    return AxToInt(AxCallMember(m_object, "CurrentFrame", {}));
}

bool FlashControl::IsPlaying()
{
    return AxToBool(AxCallMember(m_object, "IsPlaying", {}));
}

int FlashControl::PercentLoaded()
{
    return AxToInt(AxCallMember(m_object, "PercentLoaded", {}));
}

bool FlashControl::FrameLoaded(int frame)
{
    return AxToBool(AxCallMember(m_object, "FrameLoaded", {frame}));
}

int FlashControl::FlashVersion()
{
    return AxToInt(AxCallMember(m_object, "FlashVersion", {}));
}

QString FlashControl::GetWMode()
{
    return AxToText(AxReadMember(m_object, "WMode"));
}

bool FlashControl::SetWMode(const QString &value)
{
    return AxWriteMember(m_object, "WMode", value);
}

QString FlashControl::GetSAlign()
{
    return AxToText(AxReadMember(m_object, "SAlign"));
}

bool FlashControl::SetSAlign(const QString &value)
{
    return AxWriteMember(m_object, "SAlign", value);
}

bool FlashControl::GetMenu()
{
    return AxToBool(AxReadMember(m_object, "Menu"));
}

bool FlashControl::SetMenu(bool value)
{
    return AxWriteMember(m_object, "Menu", value);
}

QString FlashControl::GetBase()
{
    return AxToText(AxReadMember(m_object, "Base"));
}

bool FlashControl::SetBase(const QString &value)
{
    return AxWriteMember(m_object, "Base", value);
}

QString FlashControl::GetScale()
{
    return AxToText(AxReadMember(m_object, "Scale"));
}

bool FlashControl::SetScale(const QString &value)
{
    return AxWriteMember(m_object, "Scale", value);
}

bool FlashControl::GetDeviceFont()
{
    return AxToBool(AxReadMember(m_object, "DeviceFont"));
}

bool FlashControl::SetDeviceFont(bool value)
{
    return AxWriteMember(m_object, "DeviceFont", value);
}

bool FlashControl::GetEmbedMovie()
{
    return AxToBool(AxReadMember(m_object, "EmbedMovie"));
}

bool FlashControl::SetEmbedMovie(bool value)
{
    return AxWriteMember(m_object, "EmbedMovie", value);
}

QString FlashControl::GetBGColor()
{
    return AxToText(AxReadMember(m_object, "BGColor"));
}

bool FlashControl::SetBGColor(const QString &value)
{
    return AxWriteMember(m_object, "BGColor", value);
}

QString FlashControl::GetQuality2()
{
    return AxToText(AxReadMember(m_object, "Quality2"));
}

bool FlashControl::SetQuality2(const QString &value)
{
    return AxWriteMember(m_object, "Quality2", value);
}

int FlashControl::TCurrentFrame(const QString &target)
{
    return AxToInt(AxCallMember(m_object, "TCurrentFrame", {target}));
}

QString FlashControl::TCurrentLabel(const QString &target)
{
    return AxToText(AxCallMember(m_object, "TCurrentLabel", {target}));
}

QString FlashControl::GetVariable(const QString &name)
{
    return AxToText(AxCallMember(m_object, "GetVariable", {name}));
}

QString FlashControl::TGetProperty(const QString &target, int property)
{
    return AxToText(AxCallMember(m_object, "TGetProperty", {target, property}));
}

double FlashControl::TGetPropertyNum(const QString &target, int property)
{
    return AxToDouble(AxCallMember(m_object, "TGetPropertyNum", {target, property}));
}

double FlashControl::TGetPropertyAsNumber(const QString &target, int property)
{
    return AxToDouble(AxCallMember(m_object, "TGetPropertyAsNumber", {target, property}));
}

QString FlashControl::GetSWRemote()
{
    return AxToText(AxReadMember(m_object, "SWRemote"));
}

bool FlashControl::SetSWRemote(const QString &value)
{
    return AxWriteMember(m_object, "SWRemote", value);
}

QString FlashControl::GetFlashVars()
{
    return AxToText(AxReadMember(m_object, "FlashVars"));
}

bool FlashControl::SetFlashVars(const QString &value)
{
    return AxWriteMember(m_object, "FlashVars", value);
}

QString FlashControl::GetAllowScriptAccess()
{
    return AxToText(AxReadMember(m_object, "AllowScriptAccess"));
}

bool FlashControl::SetAllowScriptAccess(const QString &value)
{
    return AxWriteMember(m_object, "AllowScriptAccess", value);
}

QString FlashControl::GetMovieData()
{
    return AxToText(AxReadMember(m_object, "MovieData"));
}

bool FlashControl::SetMovieData(const QString &value)
{
    return AxWriteMember(m_object, "MovieData", value);
}

int FlashControl::GetInlineData()
{
    return AxToInt(AxReadMember(m_object, "InlineData"));
}

bool FlashControl::SetInlineData(int value)
{
    return AxWriteMember(m_object, "InlineData", value);
}

bool FlashControl::GetSeamlessTabbing()
{
    return AxToBool(AxReadMember(m_object, "SeamlessTabbing"));
}

bool FlashControl::SetSeamlessTabbing(bool value)
{
    return AxWriteMember(m_object, "SeamlessTabbing", value);
}

bool FlashControl::GetProfile()
{
    return AxToBool(AxReadMember(m_object, "Profile"));
}

bool FlashControl::SetProfile(bool value)
{
    return AxWriteMember(m_object, "Profile", value);
}

QString FlashControl::GetProfileAddress()
{
    return AxToText(AxReadMember(m_object, "ProfileAddress"));
}

bool FlashControl::SetProfileAddress(const QString &value)
{
    return AxWriteMember(m_object, "ProfileAddress", value);
}

int FlashControl::GetProfilePort()
{
    return AxToInt(AxReadMember(m_object, "ProfilePort"));
}

bool FlashControl::SetProfilePort(int value)
{
    return AxWriteMember(m_object, "ProfilePort", value);
}

QString FlashControl::CallFunction(const QString &request)
{
    return AxToText(AxCallMember(m_object, "CallFunction", {request}));
}

QString FlashControl::GetAllowNetworking()
{
    return AxToText(AxReadMember(m_object, "AllowNetworking"));
}

bool FlashControl::SetAllowNetworking(const QString &value)
{
    return AxWriteMember(m_object, "AllowNetworking", value);
}

QString FlashControl::GetAllowFullScreen()
{
    return AxToText(AxReadMember(m_object, "AllowFullScreen"));
}

bool FlashControl::SetAllowFullScreen(const QString &value)
{
    return AxWriteMember(m_object, "AllowFullScreen", value);
}
