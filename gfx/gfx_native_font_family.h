#pragma once
#include "gfx/gfx_native.h"

#include <QString>

class GfxNativeFontFamily : public GfxNative {
 public:
  QString name;
};
