#pragma once
#include "gfx/gfx_object.h"
#include "gfx/gfx_values.h"

#include <vector>

class GfxNativeStringFormat;

// How a string is laid out: alignment, line alignment, trimming, flags, hotkey prefix, ranges.
class GfxStringFormat : public GfxObject {
 public:
  GfxNativeStringFormat* Native() const { return format_; }

  bool DeleteStringFormat();
  bool CreateStringFormat(int flags = 0, int language = 0);
  bool StringFormatGetGenericDefault();
  bool StringFormatGetGenericTypographic();
  bool CloneStringFormat(GfxStringFormat& clone) const;
  bool SetStringFormatFlags(int flags);
  int GetStringFormatFlags() const;
  bool SetStringFormatAlign(int align);
  int GetStringFormatAlign() const;
  bool SetStringFormatLineAlign(int align);
  int GetStringFormatLineAlign() const;
  bool SetStringFormatTrimming(int trimming);
  int GetStringFormatTrimming() const;
  bool SetStringFormatHotkeyPrefix(int prefix);
  int GetStringFormatHotkeyPrefix() const;
  bool SetStringFormatTabStops(float firstOffset, int count, const float* stops);
  bool SetStringFormatDigitSubstitution(int language, int substitution);
  bool SetStringFormatMeasurableCharacterRanges(int count, const GfxCharacterRange* ranges);
  int GetStringFormatMeasurableCharacterRangeCount() const;

 protected:
  void OnSetNativeHandle(void* handle) override;

 private:
  template <class F> bool Change(F change);
  template <class F> int Read(F read) const;
  GfxNativeStringFormat* format_ = nullptr;
};
