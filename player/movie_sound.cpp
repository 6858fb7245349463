#include "player/movie_sound.h"

#include "player/movie_volume_level.h"

#include <cmath>

MovieSound::MovieSound(QObject *parent) : QObject(parent) {}

void MovieSound::setVolume(double percent)
{
    if (!std::isfinite(percent) || percent < 0)
        return;
    MovieVolumeLevel *level = MovieVolumeLevel::Of(this);
    if (!level || level->percent() == percent)
        return;
    level->setPercent(percent);
    emit volumeChanged();
}

double MovieSound::getVolume() const
{
    const MovieVolumeLevel *level = MovieVolumeLevel::Of(this);
    return level ? level->percent() : 100;
}
