#pragma once
// A QPainter open on a bitmap's own pixels for the lifetime of the object (TteBitmap::Paint()).
#include <QPainter>

class QImage;

class TteBitmapPainter {
public:
    ~TteBitmapPainter();
    TteBitmapPainter(const TteBitmapPainter&) = delete;
    TteBitmapPainter& operator=(const TteBitmapPainter&) = delete;

    QPainter& operator*() { return painter_; }
    QPainter* operator->() { return &painter_; }

private:
    friend class TteBitmap;
    explicit TteBitmapPainter(QImage& surface);

    QPainter painter_;
};
