#include "gfx/gfx_status.h"

std::int32_t LastGfxStatus = GfxOk;
