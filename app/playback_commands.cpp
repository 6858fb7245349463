#include "app/playback_commands.h"

#include "app/builtin_addresses.h"
#include "app/main_window.h"
#include "platform/file_or_folder_dialog.h"
#include "platform/input_box.h"
#include "platform/interval_timer.h"
#include "platform/multi_function_bar.h"
#include "platform/skinned_message_box.h"
#include "platform/url_drop_target.h"
#include "player/flash_host.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

namespace {

const QString PlayableLinkMarker = QStringLiteral("3gphd");

}  // namespace

PlaybackCommands::PlaybackCommands(MainWindow &window) : QObject(&window), m_window(window)
{
}

void PlaybackCommands::Connect()
{
    const auto onItem = [this](const char *name, void (PlaybackCommands::*command)()) {
        if (QAction *item = m_window.MenuItem(name))
            connect(item, &QAction::triggered, this, command);
    };
    onItem("OpenFileItem", &PlaybackCommands::OpenLocalFile);
    onItem("OpenUrlItem", &PlaybackCommands::OpenAddress);
    onItem("PlayPauseItem", &PlaybackCommands::TogglePlay);
    onItem("StopItem", &PlaybackCommands::Stop);
    onItem("VolumeUpItem", &PlaybackCommands::VolumeUp);
    onItem("VolumeDownItem", &PlaybackCommands::VolumeDown);
    onItem("MuteItem", &PlaybackCommands::Mute);
    onItem("PropertiesItem", &PlaybackCommands::ShowProperties);

    MultiFunctionBar *volume = m_window.VolumeBar();
    connect(volume, &MultiFunctionBar::positionChanged, this,
            [this](int position, bool) { m_window.Host().SetVolume(position); });

    MultiFunctionBar *seek = m_window.SeekBar();
    // The step signal arrives before the bar moves: the handler adds the step itself.
    connect(seek, &MultiFunctionBar::stepBack, this, [this, seek] {
        m_window.Host().Seek(seek->Position() - seek->Step());
    });
    connect(seek, &MultiFunctionBar::stepForward, this, [this, seek] {
        m_window.Host().Seek(seek->Position() + seek->Step());
    });
    connect(seek, &MultiFunctionBar::positionChanged, this,
            [this](int, bool byUser) { SeekOnMove(byUser); });
    connect(seek, &MultiFunctionBar::leftButtonPressed, this, &PlaybackCommands::TogglePlay);

    connect(m_window.DropTarget(), &UrlDropTarget::dropped, this,
            &PlaybackCommands::PlayDroppedLink);
}

void PlaybackCommands::InitVolume()
{
    m_volumeLevel = m_window.VolumeBar()->Position();
    m_window.Host().SetVolume(m_volumeLevel);
}

void PlaybackCommands::OpenLocalFile()
{
    const QString path =
        BrowseForFileOrFolder(QApplication::activeWindow(), QStringLiteral("请选择媒体文件！"));
    if (!path.isEmpty())
        m_window.Host().OpenUrl(path);
}

void PlaybackCommands::OpenAddress()
{
    const QString address =
        InputBox(QApplication::activeWindow(), QStringLiteral("请输入您要播放的URL地址"),
                 QStringLiteral("温馨提示"), BuiltinAddresses::DefaultVideoUrl);
    if (!address.isEmpty())
        m_window.Host().OpenUrl(address);
}

void PlaybackCommands::PlayDroppedLink(const QString &text)
{
    if (!text.contains(PlayableLinkMarker, Qt::CaseSensitive)) {
        m_window.StatusLabel()->setText(QStringLiteral("无法播放该视频！"));
        return;
    }
    FlashHost &host = m_window.Host();
    host.OpenUrl(text);
    m_window.StatusLabel()->setText(QStringLiteral("视频总时间：") + host.QueryTimeText());
    m_window.ProgressTimer()->SetInterval(MainWindow::ProgressInterval);
}

void PlaybackCommands::TogglePlay()
{
    m_window.Host().TogglePlay();
}

void PlaybackCommands::Stop()
{
    m_window.Host().Stop();
}

void PlaybackCommands::MoveVolumeBar(int delta)
{
    MultiFunctionBar *volume = m_window.VolumeBar();
    volume->SetPosition(volume->Position() + delta);
    m_volumeLevel = volume->Position();
}

void PlaybackCommands::VolumeUp()
{
    MoveVolumeBar(VolumeStep);
}

void PlaybackCommands::VolumeDown()
{
    MoveVolumeBar(-VolumeStep);
}

void PlaybackCommands::Mute()
{
    m_window.VolumeBar()->SetPosition(0);
}

void PlaybackCommands::ShowProperties()
{
    SkinnedMessageBox(&m_window, m_window.Host().QueryUrl(), BoxStyle::IconInformation,
                      QStringLiteral("视频属性"));
}

void PlaybackCommands::SeekOnMove(bool byUser)
{
    if (!byUser)
        return;
    FlashHost &host = m_window.Host();
    if (host.State() == 1)
        return;
    host.Seek(m_window.SeekBar()->Position());
    host.TogglePlay();
}
