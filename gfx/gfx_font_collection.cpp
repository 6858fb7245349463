#include "gfx/gfx_font_collection.h"

#include "gfx/gfx_font_family.h"
#include "gfx/gfx_status.h"

#include <QFontDatabase>
#include <QStringList>

int GfxFontCollection::GetFontCollectionFamilyCount() const {
  GfxReport(GfxOk);
  return int(QFontDatabase::families().size());
}

bool GfxFontCollection::GetFontCollectionFamilyList(int wanted, std::vector<GfxFontFamily>& families, int* found) const {
  if (wanted < 1 || !found) return GfxReport(GfxInvalidParameter);
  const QStringList names = QFontDatabase::families();
  families.clear();
  for (const QString& name : names) {
    if (int(families.size()) == wanted) break;
    GfxFontFamily family;
    if (family.CreateFontFamilyFromName(name, nullptr)) families.push_back(family);
  }
  *found = int(families.size());
  return GfxReport(GfxOk);
}
