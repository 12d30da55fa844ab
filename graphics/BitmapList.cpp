#include "graphics/BitmapList.h"

#include "graphics/Bitmap.h"
#include "graphics/BitmapLink.h"

namespace {

bool SameTextAscii(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 'a' && x <= 'z')
            x = static_cast<char16_t>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char16_t>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

TteBitmapList::TteBitmapList() = default;
TteBitmapList::~TteBitmapList() = default;

int TteBitmapList::Add(std::unique_ptr<TteBitmap> bitmap)
{
    items_.push_back(std::move(bitmap));
    return Count() - 1;
}

void TteBitmapList::AddShared(const TteBitmapList& other)
{
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
}

TteBitmap* TteBitmapList::GetBitmap(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

TteBitmap* TteBitmapList::FindBitmap(const QString& name) const
{
    for (const auto& bitmap : items_)
        if (bitmap != nullptr && SameTextAscii(bitmap->Name(), name))
            return bitmap.get();
    return nullptr;
}

std::unique_ptr<TteBitmapLink> TteBitmapList::GetLink(const QString& name, const TRect& rect) const
{
    const TteBitmap* bitmap = FindBitmap(name);
    return bitmap != nullptr ? bitmap->CreateLink(rect) : nullptr;
}

void TteBitmapList::Clear()
{
    items_.clear();
}
