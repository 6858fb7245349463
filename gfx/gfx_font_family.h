#pragma once
#include "gfx/gfx_object.h"

#include <QByteArray>
#include <QString>

class GfxNativeFontFamily;
class GfxFontCollection;

// A font family by name, found among the installed fonts.
class GfxFontFamily : public GfxObject {
 public:
  GfxNativeFontFamily* Native() const { return family_; }

  bool DeleteFontFamily();
  bool CreateFontFamilyFromName(const char* name, const GfxFontCollection* collection);
  bool CreateFontFamilyFromName(const QString& name, const GfxFontCollection* collection);
  bool GetGenericFontFamilySansSerif();
  bool GetGenericFontFamilySerif();
  bool GetGenericFontFamilyMonospace();
  bool CloneFontFamily(GfxFontFamily& clone) const;
  // The name as bytes, at most 31 of them (the face-name limit), never cut inside a character.
  QByteArray GetFamilyName() const;
  QString GetFamilyNameW() const;
  bool IsStyleAvailable(int style, bool* available) const;
  int GetEmHeight(int style) const;

 protected:
  void OnSetNativeHandle(void* handle) override;

 private:
  bool Make(const QString& name);
  GfxNativeFontFamily* family_ = nullptr;
};
