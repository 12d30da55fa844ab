#pragma once
// Laid-out text kept between paints: a control draws the same captions on every repaint, and
// shaping them again each time is most of what drawing a line of text costs.
#include <QStaticText>

class QFont;

// The prepared text for font, made on first use and kept among the most recently used.
const QStaticText& StaticTextFor(const QString& text, const QFont& font);
