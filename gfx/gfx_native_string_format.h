#pragma once
#include "gfx/gfx_native.h"
#include "gfx/gfx_values.h"

#include <vector>

class GfxNativeStringFormat : public GfxNative {
 public:
  int flags = 0;
  int language = 0;
  int align = StringAlignmentNear;
  int lineAlign = StringAlignmentNear;
  int trimming = StringTrimmingCharacter;
  int hotkeyPrefix = HotkeyPrefixNone;
  int digitLanguage = 0, digitSubstitution = 0;
  float firstTabOffset = 0;
  std::vector<float> tabStops;
  std::vector<GfxCharacterRange> ranges;
  bool typographic = false;  // no side padding around laid-out text
};
