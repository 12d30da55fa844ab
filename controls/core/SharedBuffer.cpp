#include "controls/core/SharedBuffer.h"

#include <QGuiApplication>
#include <QScreen>
#include <memory>

#include "graphics/Bitmap.h"

namespace {

constexpr int kSharedBufferMargin = 500;

struct TSharedBuffer {
    std::unique_ptr<TteBitmap> bitmap;
    bool leased = false;
};

TSharedBuffer& Shared()
{
    static TSharedBuffer shared;
    return shared;
}

void Create(TteBitmap& bitmap)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : QSize(0, 0);
    bitmap.SetSize(size.width() + kSharedBufferMargin, size.height() + kSharedBufferMargin);
    bitmap.SetAlphaBlend(false);
}

}  // namespace

TSharedBufferLease::TSharedBufferLease()
{
    TSharedBuffer& shared = Shared();
    if (shared.leased)
        return;
    if (!shared.bitmap)
        shared.bitmap = std::make_unique<TteBitmap>();
    if (shared.bitmap->Empty())
        Create(*shared.bitmap);
    shared.leased = true;
    buffer_ = shared.bitmap.get();
}

TSharedBufferLease::~TSharedBufferLease()
{
    if (buffer_ != nullptr)
        Shared().leased = false;
}

void FreeSharedBuffer()
{
    Shared().bitmap.reset();
}
