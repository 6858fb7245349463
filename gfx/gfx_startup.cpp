#include "gfx/gfx_startup.h"

#include "gfx/gfx_status.h"

#include <QGuiApplication>

namespace {
int startupCount = 0;
}

bool GfxStartup(GfxStartupToken* token, const GfxStartupInput& input) {
  if (!token) return GfxReport(GfxInvalidParameter);
  *token = 0;
  if (input.version != 1) return GfxReport(GfxUnsupportedVersion);
  // Fonts and text layout need the GUI application; drawing without it would crash later.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return GfxReport(GfxGenericError);
  *token = static_cast<GfxStartupToken>(++startupCount);
  return GfxReport(GfxOk);
}

int GfxStartupCount() { return startupCount; }
