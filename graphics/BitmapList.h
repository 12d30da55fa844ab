#pragma once
// The owning list of named bitmaps of a theme source. Lists may share bitmaps: a shared bitmap
// lives until the last list holding it lets it go.
#include <QString>
#include <memory>
#include <vector>

#include "framework/Types.h"

class TteBitmap;
class TteBitmapLink;

class TteBitmapList {
public:
    TteBitmapList();
    ~TteBitmapList();
    TteBitmapList(const TteBitmapList&) = delete;
    TteBitmapList& operator=(const TteBitmapList&) = delete;

    // Takes ownership; answers the bitmap's index.
    int Add(std::unique_ptr<TteBitmap> bitmap);
    // Adds other's bitmaps, the same objects (not copies), after this list's own. Whoever changes
    // a shared bitmap's pixels changes them for every list holding it.
    void AddShared(const TteBitmapList& other);
    int Count() const { return static_cast<int>(items_.size()); }
    // Null outside 0 .. Count() - 1.
    TteBitmap* GetBitmap(int index) const;
    // The first bitmap of the name, ASCII letter case ignored; null when none.
    TteBitmap* FindBitmap(const QString& name) const;
    // A new link to the rectangle of the bitmap of the name (owned by the caller); null when none.
    std::unique_ptr<TteBitmapLink> GetLink(const QString& name, const TRect& rect) const;
    // Frees every bitmap.
    void Clear();

private:
    std::vector<std::shared_ptr<TteBitmap>> items_;
};
