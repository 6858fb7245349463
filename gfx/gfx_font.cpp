#include "gfx/gfx_font.h"

#include "gfx/gfx_font_family.h"
#include "gfx/gfx_native_font.h"
#include "gfx/gfx_native_font_family.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_text.h"
#include "gfx/gfx_units.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QWidget>

namespace {
double ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchY() : 96.0;
}
}  // namespace

void GfxFont::OnSetNativeHandle(void* handle) { font_ = static_cast<GfxNativeFont*>(handle); }

bool GfxFont::DeleteFont() {
  if (!font_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxFont::CreateFont(const GfxFontFamily& family, float emSize, int style, int unit) {
  if (!family.Native() || emSize <= 0 || !GfxIsValidUnit(unit) || unit == UnitDisplay) return GfxReport(GfxInvalidParameter);
  auto* native = new GfxNativeFont;
  native->family = family.Native()->name;
  native->emSize = emSize;
  native->style = style;
  native->unit = unit;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxFont::FromQFont(const QFont& font, double dpi) {
  const QFontInfo info(font);
  auto* native = new GfxNativeFont;
  native->family = info.family().isEmpty() ? font.family() : info.family();
  if (font.pixelSize() > 0) {
    native->emSize = float(font.pixelSize());
  } else {
    native->emSize = float(font.pointSizeF() * dpi / 72.0);
  }
  native->unit = UnitPixel;
  native->style = (font.bold() ? FontStyleBold : 0) | (font.italic() ? FontStyleItalic : 0) |
                  (font.underline() ? FontStyleUnderline : 0) | (font.strikeOut() ? FontStyleStrikeout : 0);
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxFont::CreateFontFromDefault() {
  return FromQFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont), ScreenDpi());
}

bool GfxFont::CreateFont(const char* familyName, float emSize, int style, int unit, const GfxFontCollection* collection) {
  return CreateFont(GfxTextFromBytes(familyName), emSize, style, unit, collection);
}

bool GfxFont::CreateFont(const QString& familyName, float emSize, int style, int unit, const GfxFontCollection* collection) {
  GfxFontFamily family;
  if (!family.CreateFontFamilyFromName(familyName, collection)) return false;
  const bool made = CreateFont(family, emSize, style, unit);
  const std::int32_t status = LastGfxStatus;
  family.DeleteFontFamily();
  return GfxReport(status) && made;
}

bool GfxFont::CreateFontFromDC(const QPaintDevice* device) {
  if (!device) return GfxReport(GfxInvalidParameter);
  if (const auto* widget = dynamic_cast<const QWidget*>(device)) return FromQFont(widget->font(), device->logicalDpiY());
  return FromQFont(QGuiApplication::font(), device->logicalDpiY());
}

bool GfxFont::CreateFontFromHFONT(const QPaintDevice* device, const QFont* font) {
  if (font) return FromQFont(*font, device ? device->logicalDpiY() : ScreenDpi());
  return CreateFontFromDC(device);
}

bool GfxFont::CloneFont(GfxFont& clone) const {
  if (!font_) return GfxReport(GfxInvalidParameter);
  auto* copy = new GfxNativeFont;
  copy->family = font_->family;
  copy->emSize = font_->emSize;
  copy->style = font_->style;
  copy->unit = font_->unit;
  clone.AdoptNativeHandle(copy);
  return GfxReport(GfxOk);
}

bool GfxFont::GetLogFont(QFont* font) const {
  if (!font_ || !font) return GfxReport(GfxInvalidParameter);
  *font = font_->QtFont(font_->emSize * GfxPixelsPerUnit(font_->unit, ScreenDpi()), ScreenDpi());
  return GfxReport(GfxOk);
}

bool GfxFont::GetFamily(GfxFontFamily& family) const {
  if (!font_) return GfxReport(GfxInvalidParameter);
  auto* native = new GfxNativeFontFamily;
  native->name = font_->family;
  family.SetNativeHandle(native);
  native->Release();
  return GfxReport(GfxOk);
}

int GfxFont::GetFontStyle() const {
  if (!font_) return GfxReport(GfxInvalidParameter), 0;
  GfxReport(GfxOk);
  return font_->style;
}

float GfxFont::GetFontSize() const {
  if (!font_) return GfxReport(GfxInvalidParameter), 0.0f;
  GfxReport(GfxOk);
  return font_->emSize;
}

int GfxFont::GetFontUnit() const {
  if (!font_) return GfxReport(GfxInvalidParameter), 0;
  GfxReport(GfxOk);
  return font_->unit;
}

float GfxFont::GetFontHeightGivenDPI(float dpi) const {
  if (!font_ || dpi <= 0) return GfxReport(GfxInvalidParameter), 0.0f;
  const double em = font_->emSize * GfxPixelsPerUnit(font_->unit, dpi);
  const QFontMetricsF metrics(font_->QtFont(em, ScreenDpi()));
  GfxReport(GfxOk);
  return float(metrics.lineSpacing());
}

float GfxFont::GetFontHeight(const QPaintDevice* device) const {
  return GetFontHeightGivenDPI(device ? float(device->logicalDpiY()) : 96.0f);
}
