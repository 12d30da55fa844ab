#include "controls/core/PaintSurface.h"

#include "controls/core/BufferCopy.h"
#include "framework/Canvas.h"
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
    // The buffer's own canvas: nothing is made per paint for the shared buffer. Each paint starts
    // from the plain state and leaves the context as it found it.
    bufferContext_ = buffer_->Canvas().Handle();
    savedLevel_ = bufferContext_->SaveDC();
    bufferContext_->SetWindowOrg(Point(0, 0));
    bufferContext_->RemoveClip();
}

TPaintSurface::~TPaintSurface()
{
    if (bufferContext_ == nullptr)
        return;
    bufferContext_->RestoreDC(savedLevel_);
    // The painter goes before the bitmap it paints on, and the shared buffer is free for Qt's next use.
    bufferContext_->EndPainting();
}

void TPaintSurface::CopyToDestination()
{
    if (buffer_ == nullptr)
        return;
    bufferContext_->EndPainting();
    CopyBufferTo(destination_, *buffer_, Rect(0, 0, width_, height_), Point(0, 0));
}
