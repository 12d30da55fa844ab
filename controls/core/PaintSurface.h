#pragma once
// Where one paint of a themed control draws, chosen by its Performance: the shared buffer, a
// private bitmap of the paint size, or the destination itself. The buffer is copied to the
// destination by CopyToDestination; whatever happens, the private bitmap is freed and the shared
// buffer given back when the surface goes.
#include <memory>
#include <optional>

#include "controls/core/Performance.h"
#include "controls/core/SharedBuffer.h"
#include "framework/DeviceContext.h"

class TteBitmap;

class TPaintSurface {
public:
    // fillShared: the shared buffer's paint area starts as TransparentKey.
    TPaintSurface(TTePerformance performance, TDeviceContext& destination, int width, int height, bool fillShared);
    ~TPaintSurface();
    TPaintSurface(const TPaintSurface&) = delete;
    TPaintSurface& operator=(const TPaintSurface&) = delete;

    TDeviceContext& Context() { return bufferContext_ != nullptr ? *bufferContext_ : destination_; }
    // The buffer's (0, 0, width, height) to the destination's logical (0, 0); nothing unbuffered.
    void CopyToDestination();

private:
    TDeviceContext& destination_;
    int width_;
    int height_;
    std::optional<TSharedBufferLease> lease_;
    std::unique_ptr<TteBitmap> private_;
    TteBitmap* buffer_ = nullptr;
    // The buffer's own canvas context, as it was before this paint from savedLevel_ on.
    TDeviceContext* bufferContext_ = nullptr;
    int savedLevel_ = 0;
};
