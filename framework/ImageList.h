#pragma once
// A list of pictures of one size that controls show by index (button glyphs, menu item images).
// Pictures come from strips cut into cells, with a mask colour for the transparent pixels; each is
// drawn in its own colours or in the disabled (embossed grey) form. Users hold a TChangeLink to
// the list, which tells them of every change and reads null once the list is freed.
#include <QByteArray>
#include <QImage>
#include <QList>

#include "framework/ChangeLink.h"
#include "framework/Colors.h"
#include "framework/Component.h"

class TCanvas;

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size empties the list: its pictures were cut for the old one.
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const { return static_cast<int>(images_.size()); }

    // Cuts picture into cells of Width × Height, left to right (a narrower rest is dropped) and adds
    // them; pixels of maskColor (0x00BBGGRR, alpha ignored) become transparent. Answers the index of
    // the first picture added, or -1 when picture holds no whole cell.
    int AddMasked(const QImage& picture, TColor maskColor);
    void Delete(int index);
    void Clear();

    // The picture at index (ARGB32, straight alpha), or a null image for an index out of range.
    // The disabled form is the picture's shape embossed in the button shadow and highlight colours.
    QImage Image(int index, bool enabled = true) const;
    // Draws the picture at index with its top-left at (x, y); nothing for an index out of range.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

    // The stored form of the pictures: size, count and pixels. SetData raises EReadError for
    // damaged data and then keeps the pictures it had.
    QByteArray Data() const;
    void SetData(const QByteArray& data);

    TChangeLinks& ChangeLinks() { return links_; }
    TNotifyEvent OnChange;

protected:
    void Change();

private:
    int width_ = 16;
    int height_ = 16;
    QList<QImage> images_;
    // Built on first use of each disabled picture.
    mutable QList<QImage> disabled_;
    TChangeLinks links_;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};

void RegisterImageListProperties();
