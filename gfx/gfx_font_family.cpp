#include "gfx/gfx_font_family.h"

#include "gfx/gfx_native_font_family.h"
#include "gfx/gfx_status.h"
#include "gfx/gfx_text.h"
#include "gfx/gfx_values.h"

#include <QFontDatabase>
#include <QStringList>
#include <QFontInfo>

void GfxFontFamily::OnSetNativeHandle(void* handle) { family_ = static_cast<GfxNativeFontFamily*>(handle); }

bool GfxFontFamily::DeleteFontFamily() {
  if (!family_) return GfxReport(GfxInvalidParameter);
  ReleaseNativeHandle();
  return GfxReport(GfxOk);
}

bool GfxFontFamily::Make(const QString& name) {
  auto* native = new GfxNativeFontFamily;
  native->name = name;
  AdoptNativeHandle(native);
  return GfxReport(GfxOk);
}

bool GfxFontFamily::CreateFontFamilyFromName(const char* name, const GfxFontCollection* collection) {
  return CreateFontFamilyFromName(GfxTextFromBytes(name), collection);
}

bool GfxFontFamily::CreateFontFamilyFromName(const QString& name, const GfxFontCollection*) {
  if (name.isEmpty()) return GfxReport(GfxInvalidParameter);
  for (const QString& installed : QFontDatabase::families())
    if (installed.section(QStringLiteral(" ["), 0, 0).compare(name, Qt::CaseInsensitive) == 0) return Make(installed.section(QStringLiteral(" ["), 0, 0));
  return GfxReport(GfxFontFamilyNotFound);
}

namespace {
QString Generic(QFont::StyleHint hint, QFontDatabase::SystemFont fallback) {
  QFont font;
  font.setStyleHint(hint);
  font.setFamily(font.defaultFamily());
  const QString family = QFontInfo(font).family();
  return family.isEmpty() ? QFontDatabase::systemFont(fallback).family() : family;
}
}  // namespace

bool GfxFontFamily::GetGenericFontFamilySansSerif() { return Make(Generic(QFont::SansSerif, QFontDatabase::GeneralFont)); }
bool GfxFontFamily::GetGenericFontFamilySerif() { return Make(Generic(QFont::Serif, QFontDatabase::GeneralFont)); }
bool GfxFontFamily::GetGenericFontFamilyMonospace() { return Make(QFontDatabase::systemFont(QFontDatabase::FixedFont).family()); }

bool GfxFontFamily::CloneFontFamily(GfxFontFamily& clone) const {
  if (!family_) return GfxReport(GfxInvalidParameter);
  return clone.Make(family_->name);
}

QByteArray GfxFontFamily::GetFamilyName() const {
  if (!family_) {
    GfxReport(GfxInvalidParameter);
    return {};
  }
  GfxReport(GfxOk);
  return GfxBytesLimited(family_->name, 32);
}

QString GfxFontFamily::GetFamilyNameW() const {
  if (!family_) {
    GfxReport(GfxInvalidParameter);
    return {};
  }
  GfxReport(GfxOk);
  return family_->name.left(31);
}

bool GfxFontFamily::IsStyleAvailable(int style, bool* available) const {
  if (!family_ || !available) return GfxReport(GfxInvalidParameter);
  const bool bold = style & FontStyleBold, italic = style & FontStyleItalic;
  *available = false;
  for (const QString& s : QFontDatabase::styles(family_->name))
    if (QFontDatabase::bold(family_->name, s) == bold && QFontDatabase::italic(family_->name, s) == italic) *available = true;
  if (QFontDatabase::isScalable(family_->name)) *available = true;  // synthesised styles draw too
  return GfxReport(GfxOk);
}

int GfxFontFamily::GetEmHeight(int) const {
  if (!family_) {
    GfxReport(GfxInvalidParameter);
    return 0;
  }
  GfxReport(GfxOk);
  return 2048;
}
