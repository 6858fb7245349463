#pragma once
#include "gfx/gfx_object.h"
#include "gfx/gfx_values.h"

#include <QFont>

class GfxNativeFont;
class GfxFontFamily;
class GfxFontCollection;
class QPaintDevice;

// A font: family, em size, style and unit.
class GfxFont : public GfxObject {
 public:
  GfxNativeFont* Native() const { return font_; }

  bool DeleteFont();
  bool CreateFont(const GfxFontFamily& family, float emSize, int style = FontStyleRegular, int unit = UnitPoint);
  // The desktop's default GUI font.
  bool CreateFontFromDefault();
  // By family name among the installed fonts (a temporary family, deleted again).
  bool CreateFont(const char* familyName, float emSize, int style = FontStyleRegular, int unit = UnitPoint,
                  const GfxFontCollection* collection = nullptr);
  bool CreateFont(const QString& familyName, float emSize, int style = FontStyleRegular, int unit = UnitPoint,
                  const GfxFontCollection* collection = nullptr);
  // The font a paint target draws with: a widget's own font, otherwise the application font.
  bool CreateFontFromDC(const QPaintDevice* device);
  // From a given font (a widget's, say); without one, from the target as CreateFontFromDC.
  bool CreateFontFromHFONT(const QPaintDevice* device, const QFont* font);
  bool CloneFont(GfxFont& clone) const;
  bool GetLogFont(QFont* font) const;
  bool GetFamily(GfxFontFamily& family) const;
  int GetFontStyle() const;
  float GetFontSize() const;
  int GetFontUnit() const;
  // Line spacing in the units of the given device (96 dpi without one).
  float GetFontHeight(const QPaintDevice* device = nullptr) const;
  float GetFontHeightGivenDPI(float dpi) const;

 protected:
  void OnSetNativeHandle(void* handle) override;

 private:
  bool FromQFont(const QFont& font, double dpi);
  GfxNativeFont* font_ = nullptr;
};
