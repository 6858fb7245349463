#include "gfx/gfx_image_handle.h"

#include "gfx/gfx_native.h"

void GfxDisposeImageHandle(void* image) { GfxRelease(image); }
