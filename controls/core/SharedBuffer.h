#pragma once
// The one paint buffer all controls in kspSharedBuffer mode share: the screen's size plus 500
// pixels each way, so every control fits without a bitmap of its own.
class TteBitmap;

// Hands out the shared buffer for one paint (created, or re-created when found empty), or nullptr
// while another paint holds it: paints nest when a windowless child paints inside its parent's
// paint, and the nested one must then draw without the buffer.
class TSharedBufferLease {
public:
    TSharedBufferLease();
    ~TSharedBufferLease();
    TSharedBufferLease(const TSharedBufferLease&) = delete;
    TSharedBufferLease& operator=(const TSharedBufferLease&) = delete;

    TteBitmap* Buffer() const { return buffer_; }

private:
    TteBitmap* buffer_ = nullptr;
};

// Frees the buffer (when the control layer shuts down); the next lease creates it again.
void FreeSharedBuffer();
