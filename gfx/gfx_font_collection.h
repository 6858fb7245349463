#pragma once
#include "gfx/gfx_object.h"

#include <vector>

class GfxFontFamily;

// A font collection; the empty one stands for the installed fonts.
class GfxFontCollection : public GfxObject {
 public:
  int GetFontCollectionFamilyCount() const;
  // Fills up to wanted family wrappers; fewer than one wanted is InvalidParameter.
  bool GetFontCollectionFamilyList(int wanted, std::vector<GfxFontFamily>& families, int* found) const;
};
