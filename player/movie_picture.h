#pragma once
// A picture given as a movie address (a still or animated image), kept in memory and
// played frame by frame.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QMovie>
#include <QObject>
#include <QRect>

class MoviePicture : public QObject {
    Q_OBJECT
public:
    explicit MoviePicture(const QByteArray &bytes, QObject *parent = nullptr);

    // Whether bytes hold a picture this control can show.
    static bool IsPicture(const QByteArray &bytes);

    int frameCount() const;
    int currentFrame() const;  // 0-based
    bool jumpToFrame(int frame);
    void setPlaying(bool playing);
    bool isPlaying() const;
    // Without looping, playback stops on the last frame.
    void setLoop(bool loop) { m_loop = loop; }
    QImage currentImage() const { return m_movie.currentImage(); }
    QSize size() const { return m_movie.currentImage().size(); }

signals:
    void frameChanged();

private:
    void onFrameChanged(int frame);

    QByteArray m_bytes;
    QBuffer m_buffer;
    QMovie m_movie;
    bool m_loop = true;
};

// Scale modes and alignment bits of a control's stage.
enum StageScaleMode { ScaleShowAll = 0, ScaleNoBorder = 1, ScaleExactFit = 2, ScaleNoScale = 3 };
enum StageAlignBits { AlignLeftBit = 1, AlignRightBit = 2, AlignTopBit = 4, AlignBottomBit = 8 };

// Where a picture of size content lands in area under a scale mode and alignment; with
// NoBorder or NoScale the rectangle may reach beyond area.
QRect StagePlacement(QSize content, QRect area, int scaleMode, int alignBits);
