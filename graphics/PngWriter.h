#pragma once
// Writes a bitmap as a PNG file (straight alpha kept), for golden images and review.
#include <QString>

class TteBitmap;

// Raises EFCreateError when the file cannot be written, EBitmapError for an Empty bitmap.
void SaveBitmapToPng(const TteBitmap& bitmap, const QString& fileName);
