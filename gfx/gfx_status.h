#pragma once
#include <cstdint>

// Status numbers of the 2D graphics flat API; every operation of the layer reports one.
enum GfxStatus : std::int32_t {
  GfxOk = 0,
  GfxGenericError = 1,
  GfxInvalidParameter = 2,
  GfxOutOfMemory = 3,
  GfxObjectBusy = 4,
  GfxInsufficientBuffer = 5,
  GfxNotImplemented = 6,
  GfxWin32Error = 7,
  GfxWrongState = 8,
  GfxAborted = 9,
  GfxFileNotFound = 10,
  GfxValueOverflow = 11,
  GfxAccessDenied = 12,
  GfxUnknownImageFormat = 13,
  GfxFontFamilyNotFound = 14,
  GfxFontStyleNotFound = 15,
  GfxNotTrueTypeFont = 16,
  GfxUnsupportedVersion = 17,
  GfxNotInitialized = 18,
  GfxPropertyNotFound = 19,
  GfxPropertyNotSupported = 20,
};

// Status of the most recent call of any graphics object; read it right after the call of interest.
extern std::int32_t LastGfxStatus;

// Stores the status and answers whether it is Ok.
inline bool GfxReport(std::int32_t status) {
  LastGfxStatus = status;
  return status == GfxOk;
}
