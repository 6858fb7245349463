#pragma once
#include "gfx/gfx_startup.h"

#include <QUuid>

// One instance of the loading animation dialog's set-up. Constructing it starts the graphics
// layer, parses the time frame dimension of animated images and registers the "NivraLoadDialog"
// window class (registered once, however many instances ask).
class LoadDialog {
 public:
  LoadDialog();
  LoadDialog(const LoadDialog&) = delete;
  LoadDialog& operator=(const LoadDialog&) = delete;
  ~LoadDialog();

  // Frees the frame-dimension identifier buffer; freeing twice is harmless.
  void FreeIdentifier();

  GfxStartupToken StartupToken() const { return startupToken_; }
  // The parsed time frame dimension, or null before set-up or after FreeIdentifier.
  const QUuid* FrameDimension() const { return frameDimension_; }

  static constexpr const char* kTimeFrameDimensionText = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";

 private:
  GfxStartupToken startupToken_ = 0;
  QUuid* frameDimension_ = nullptr;
};
