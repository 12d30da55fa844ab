#include "framework/TextSize.h"

#include <algorithm>

#include "framework/Font.h"
#include "framework/TextLayout.h"

TSize MeasureText(const TFont& font, const QString& text, unsigned format, int width)
{
    const TTextMeasure measure(font.ToQFont(), (format & DT_EXPANDTABS) != 0);
    const QList<TTextLine> lines = LayoutText(text, format, width, measure);
    int widest = 0;
    for (const TTextLine& line : lines)
        widest = std::max(widest, line.Width);
    return {widest, measure.Metrics().height() * static_cast<int>(lines.size())};
}
