#include "controls/PaintSurface.h"

#include "controls/BufferCopy.h"
#include "graphics/Bitmap.h"
#include "graphics/Pixel.h"

TPaintSurface::TPaintSurface(TTePerformance performance, TDeviceContext& destination, int width, int height,
                             bool fillShared)
    : destination_(destination), width_(width), height_(height)
{
    switch (performance) {
    case TTePerformance::kspNoBuffer:
        return;
    case TTePerformance::kspSharedBuffer:
        lease_.emplace();
        buffer_ = lease_->Buffer();
        // Held by the paint this one is nested in: draw straight onto its surface.
        if (buffer_ == nullptr)
            return;
        // Drawing may have marked it as blending; it is copied opaquely, so fills need not blend.
        buffer_->SetAlphaBlend(false);
        if (fillShared)
            buffer_->FillRect(Rect(0, 0, width, height), TransparentKey);
        break;
    case TTePerformance::kspDoubleBuffer:
        // Displays have 24 or 32 bits per pixel here, so the private buffer is always 32-bit.
        private_ = std::make_unique<TteBitmap>();
        private_->SetSize(width, height);
        private_->SetAlphaBlend(false);
        buffer_ = private_.get();
        break;
    }
    bufferContext_ = std::make_unique<TDeviceContext>(&buffer_->Surface());
}

TPaintSurface::~TPaintSurface()
{
    // The painter goes before the bitmap it paints on.
    bufferContext_.reset();
}

void TPaintSurface::CopyToDestination()
{
    if (buffer_ == nullptr)
        return;
    bufferContext_->EndPainting();
    CopyBufferTo(destination_, *buffer_, Rect(0, 0, width_, height_), Point(0, 0));
}
