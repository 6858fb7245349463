#pragma once
#include <cstdint>

using GfxStartupToken = std::uintptr_t;

// Input record of the library start-up; only version 1 exists.
struct GfxStartupInput {
  std::uint32_t version = 1;
  void* debugEventCallback = nullptr;
  bool suppressBackgroundThread = false;
  bool suppressExternalCodecs = false;
};

// Starts the graphics layer and hands back a token of its own (never 0 on success). Starting more
// than once is harmless; the layer is never shut down. Sets LastGfxStatus.
bool GfxStartup(GfxStartupToken* token, const GfxStartupInput& input = GfxStartupInput{});

// How many successful start-ups happened in this process.
int GfxStartupCount();
