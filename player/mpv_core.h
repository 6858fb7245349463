#pragma once
// One mpv handle, shared by the stream that drives it and the renderer that draws it, so
// the handle outlives the render context made for it. Destroying it terminates mpv.

#include <atomic>
#include <memory>

struct mpv_handle;

struct MpvCore {
    explicit MpvCore(mpv_handle *handle) : mpv(handle) {}
    ~MpvCore();
    MpvCore(const MpvCore &) = delete;
    MpvCore &operator=(const MpvCore &) = delete;

    mpv_handle *const mpv;
    // Set by the renderer (render thread) while a render context exists: mpv's video
    // output can only open then.
    std::atomic<bool> renderContextReady = false;
};

using MpvCorePtr = std::shared_ptr<MpvCore>;
