#pragma once
// Laid-out text kept between paints: a control draws the same captions on every repaint, and
// shaping them again each time is most of what drawing a line of text costs.
#include <QStaticText>

class QFont;
class QFontMetrics;

// The prepared text for font, made on first use and kept among the most recently used.
const QStaticText& StaticTextFor(const QString& text, const QFont& font);
// metrics.horizontalAdvance(text), metrics being of font: measured on first use and kept, as
// measuring shapes the text again.
int CachedAdvance(const QString& text, const QFont& font, const QFontMetrics& metrics);
