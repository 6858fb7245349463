#include "player/mpv_core.h"

#include <mpv/client.h>

MpvCore::~MpvCore()
{
    mpv_terminate_destroy(mpv);
}
