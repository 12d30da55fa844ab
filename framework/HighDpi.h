#pragma once
// How windows meet screens of more than 96 dpi: layouts keep their stored pixels, the device pixel
// ratio is a whole number, and buffers drawn at logical pixels are copied to the window scaled by
// it with nearest pixels (see BlitToWidget), so a scaled control shows its own pixels, doubled.
#include <QGuiApplication>

// Rounds the screens' scale factors to whole numbers (1.25 becomes 1, 1.5 and 1.75 become 2). It
// takes effect only before the application object is made: TQtApplication, the test main and the
// headless runs call it first.
inline void UseWholeDevicePixelRatios()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}
