#pragma once

// Disposes of an image by its native handle, as held by code that keeps only the handle
// (a window property, for one). A null handle is ignored.
void GfxDisposeImageHandle(void* image);
