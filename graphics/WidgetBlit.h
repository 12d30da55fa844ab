#pragma once
// The last step of a buffered paint: a control's finished buffer copied onto its widget.
#include "framework/Types.h"

class QPainter;
class TteBitmap;

// Copies sourceRect of buffer (cut to the buffer) onto the painter's device with sourceRect's
// top-left corner at destination, in the painter's logical pixels: during a widget's paint event,
// a painter on the widget. The colours are copied as they are, whatever the buffer's alpha and
// flags (alpha bytes go along only onto devices that keep alpha, such as a grab of a widget that
// is not opaque). The buffer is rendered at logical pixels; the painter's device pixel ratio (a
// whole number under the high-dpi policy) scales it by nearest pixels, each buffer pixel becoming
// ratio x ratio device pixels. The painter's clip applies; its composition mode and smoothing hint
// are left as they were. Allocates nothing.
void BlitToWidget(QPainter& widgetPainter, const TteBitmap& buffer, const TRect& sourceRect, TPoint destination);
