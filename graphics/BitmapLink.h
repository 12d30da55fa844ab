#pragma once
// A named rectangle of a bitmap that skin elements point at, with where its pixels are transparent.
#include <QString>

#include "framework/Persistent.h"
#include "framework/Types.h"

class TteBitmap;

class TteBitmapLink : public TPersistent {
public:
    // The bitmap is not owned; its owner must outlive the link.
    TteBitmap* Bitmap() const { return bitmap_; }
    void SetBitmap(TteBitmap* bitmap) { bitmap_ = bitmap; }
    int Left() const { return rect_.Left; }
    void SetLeft(int value) { rect_.Left = value; }
    int Top() const { return rect_.Top; }
    void SetTop(int value) { rect_.Top = value; }
    int Right() const { return rect_.Right; }
    void SetRight(int value) { rect_.Right = value; }
    int Bottom() const { return rect_.Bottom; }
    void SetBottom(int value) { rect_.Bottom = value; }
    const TRect& Rect() const { return rect_; }
    void SetRect(const TRect& rect) { rect_ = rect; }
    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }

    bool BorderTransparent() const { return borderTransparent_; }
    bool CornerTransparent() const { return cornerTransparent_; }
    bool CenterTransparent() const { return centerTransparent_; }

    // A bitmap and a rectangle of positive area.
    bool Valid() const;
    // Scans the rectangle for transparent pixels (alpha < 255 or exactly TransparentKey; never
    // 0x33333333; 0 outside the bitmap) and sets the flag of each of the nine cells that the
    // margins (left, top, right, bottom widths) cut it into. Without margins every pixel
    // counts for the centre.
    void DetectTransparency(const TRect& margins = {});

    void Assign(const TPersistent* source) override;

private:
    TteBitmap* bitmap_ = nullptr;
    TRect rect_;
    QString name_;
    bool borderTransparent_ = false;
    bool cornerTransparent_ = false;
    bool centerTransparent_ = false;
};
