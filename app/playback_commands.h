#pragma once
// The playback commands of MainWindow: each turns a user action into one or two calls on
// the player host.

#include <QObject>
#include <QString>

class MainWindow;

class PlaybackCommands : public QObject {
    Q_OBJECT

public:
    static constexpr int VolumeStep = 5;

    explicit PlaybackCommands(MainWindow &window);

    // Connects the menu items, the two sliders and the drop target.
    void Connect();

    // Sends the first volume: VolumeBar's template position.
    void InitVolume();
    int VolumeLevel() const { return m_volumeLevel; }

    void OpenLocalFile();
    void OpenAddress();
    void PlayDroppedLink(const QString &text);
    void TogglePlay();
    void Stop();
    // Move VolumeBar by VolumeStep within its range (and so the volume); VolumeLevel follows.
    void VolumeUp();
    void VolumeDown();
    void Mute();
    void ShowProperties();

    // SeekBar position changed. Only a change the user made seeks: the program's own
    // writes (ProgressTimer) must not seek and toggle playback.
    void SeekOnMove(bool byUser);

private:
    void MoveVolumeBar(int delta);

    MainWindow &m_window;
    int m_volumeLevel = 0;
};
