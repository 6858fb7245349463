#include "gfx/gfx_string_format.h"

#include "gfx/gfx_native_string_format.h"
#include "gfx/gfx_status.h"

void GfxStringFormat::OnSetNativeHandle(void* handle) { format_ = static_cast<GfxNativeStringFormat*>(handle); }

template <class F>
bool GfxStringFormat::Change(F change) {
  if (!format_) return GfxReport(GfxInvalidParameter);
  change(*format_);
  return GfxReport(GfxOk);
}

template <class F>
int GfxStringFormat::Read(F read) const {
  if (!format_) return GfxReport(GfxInvalidParameter), 0;
  GfxReport(GfxOk);
  return read(*format_);
}

bool GfxStringFormat::DeleteStringFormat() {
  if (!format_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxStringFormat::CreateStringFormat(int flags, int language) {
  auto* native = new GfxNativeStringFormat;
  native->flags = flags;
  native->language = language;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxStringFormat::StringFormatGetGenericDefault() { return CreateStringFormat(0, 0); }

bool GfxStringFormat::StringFormatGetGenericTypographic() {
  auto* native = new GfxNativeStringFormat;
  native->flags = StringFormatFlagsNoFitBlackBox | StringFormatFlagsLineLimit | StringFormatFlagsNoClip;
  native->trimming = StringTrimmingNone;
  native->typographic = true;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxStringFormat::CloneStringFormat(GfxStringFormat& clone) const {
  if (!format_) return GfxReport(GfxInvalidParameter);
  auto* copy = new GfxNativeStringFormat;
  copy->flags = format_->flags; copy->language = format_->language; copy->align = format_->align;
  copy->lineAlign = format_->lineAlign; copy->trimming = format_->trimming; copy->hotkeyPrefix = format_->hotkeyPrefix;
  copy->digitLanguage = format_->digitLanguage; copy->digitSubstitution = format_->digitSubstitution;
  copy->firstTabOffset = format_->firstTabOffset; copy->tabStops = format_->tabStops; copy->ranges = format_->ranges;
  copy->typographic = format_->typographic;
  clone.AdoptNativeHandle(copy);
  return GfxReport(GfxOk);
}

bool GfxStringFormat::SetStringFormatFlags(int flags) { return Change([&](auto& f) { f.flags = flags; }); }
int GfxStringFormat::GetStringFormatFlags() const { return Read([](auto& f) { return f.flags; }); }
bool GfxStringFormat::SetStringFormatAlign(int align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar) return GfxReport(GfxInvalidParameter);
  return Change([&](auto& f) { f.align = align; });
}
int GfxStringFormat::GetStringFormatAlign() const { return Read([](auto& f) { return f.align; }); }
bool GfxStringFormat::SetStringFormatLineAlign(int align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar) return GfxReport(GfxInvalidParameter);
  return Change([&](auto& f) { f.lineAlign = align; });
}
int GfxStringFormat::GetStringFormatLineAlign() const { return Read([](auto& f) { return f.lineAlign; }); }
bool GfxStringFormat::SetStringFormatTrimming(int trimming) {
  if (trimming < StringTrimmingNone || trimming > StringTrimmingEllipsisPath) return GfxReport(GfxInvalidParameter);
  return Change([&](auto& f) { f.trimming = trimming; });
}
int GfxStringFormat::GetStringFormatTrimming() const { return Read([](auto& f) { return f.trimming; }); }
bool GfxStringFormat::SetStringFormatHotkeyPrefix(int prefix) {
  if (prefix < HotkeyPrefixNone || prefix > HotkeyPrefixHide) return GfxReport(GfxInvalidParameter);
  return Change([&](auto& f) { f.hotkeyPrefix = prefix; });
}
int GfxStringFormat::GetStringFormatHotkeyPrefix() const { return Read([](auto& f) { return f.hotkeyPrefix; }); }
bool GfxStringFormat::SetStringFormatTabStops(float firstOffset, int count, const float* stops) {
  if (count < 0 || (count > 0 && !stops)) return GfxReport(GfxInvalidParameter);
  return Change([&](auto& f) {
    f.firstTabOffset = firstOffset;
    f.tabStops.assign(stops, stops + count);
  });
}
bool GfxStringFormat::SetStringFormatDigitSubstitution(int language, int substitution) {
  return Change([&](auto& f) {
    f.digitLanguage = language;
    f.digitSubstitution = substitution;
  });
}
bool GfxStringFormat::SetStringFormatMeasurableCharacterRanges(int count, const GfxCharacterRange* ranges) {
  if (count < 0 || (count > 0 && !ranges) || count > 32) return GfxReport(count > 32 ? GfxValueOverflow : GfxInvalidParameter);
  return Change([&](auto& f) { f.ranges.assign(ranges, ranges + count); });
}
int GfxStringFormat::GetStringFormatMeasurableCharacterRangeCount() const {
  return Read([](auto& f) { return int(f.ranges.size()); });
}
