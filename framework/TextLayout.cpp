#include "framework/TextLayout.h"

#include <algorithm>
#include <vector>

#include "framework/StaticTextCache.h"

namespace {

// The text as shown, with a mark for every character that an "&" made an accelerator.
struct TShownText {
    QString text;
    std::vector<bool> marked;
};

TShownText ResolvePrefixes(const QString& text, bool prefixes)
{
    TShownText shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        bool mark = false;
        // A lone "&" at the very end is shown as it is.
        if (prefixes && c == u'&' && i + 1 < text.size()) {
            c = text[++i];
            mark = c != u'&';
        }
        shown.text += c;
        shown.marked.push_back(mark);
    }
    return shown;
}

TTextLine MakeLine(const TShownText& shown, qsizetype from, qsizetype to, const TTextMeasure& measure)
{
    TTextLine line;
    line.Text = shown.text.mid(from, to - from);
    for (qsizetype i = from; i < to; ++i)
        if (shown.marked[static_cast<std::size_t>(i)])
            line.Underline = static_cast<int>(i - from);
    line.Width = measure.Width(line.Text);
    return line;
}

// Greedy breaking of one paragraph [from, to) at runs of spaces.
void BreakParagraph(const TShownText& shown, qsizetype from, qsizetype to, int width, const TTextMeasure& measure,
                    QList<TTextLine>& lines)
{
    const QString& s = shown.text;
    qsizetype lineStart = from;
    qsizetype lineEnd = from;  // end of the last word that fits
    qsizetype i = from;
    while (i < to) {
        qsizetype wordStart = i;
        while (wordStart < to && s[wordStart] == u' ')
            ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < to && s[wordEnd] != u' ')
            ++wordEnd;
        if (wordStart == to)
            break;  // trailing spaces stay on the line
        const bool fits = measure.Width(s.mid(lineStart, wordEnd - lineStart)) <= width;
        if (!fits && lineEnd > lineStart) {
            lines.append(MakeLine(shown, lineStart, lineEnd, measure));
            lineStart = wordStart;  // the spaces at the break are dropped
        }
        lineEnd = wordEnd;
        i = wordEnd;
    }
    lines.append(MakeLine(shown, lineStart, to, measure));
}

void AddEllipsis(TTextLine& line, int width, const TTextMeasure& measure)
{
    const QString dots = QStringLiteral("...");
    QString kept = line.Text;
    while (!kept.isEmpty() && measure.Width(kept + dots) > width)
        kept.chop(1);
    if (line.Underline >= kept.size())
        line.Underline = -1;
    line.Text = kept + dots;
    line.Width = measure.Width(line.Text);
}

}  // namespace

TTextMeasure::TTextMeasure(const QFont& font, bool expandTabs) : font_(font), metrics_(font), expandTabs_(expandTabs)
{
    if (expandTabs_)
        tabWidth_ = std::max(1, 8 * metrics_.averageCharWidth());
}

QList<int> TTextMeasure::PieceOffsets(const QList<QString>& pieces) const
{
    QList<int> offsets;
    int x = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x = (x / tabWidth_ + 1) * tabWidth_;
        offsets.append(x);
        x += CachedAdvance(pieces[i], font_, metrics_);
    }
    offsets.append(x);
    return offsets;
}

int TTextMeasure::Width(const QString& text) const
{
    if (!expandTabs_ || !text.contains(u'\t'))
        return CachedAdvance(text, font_, metrics_);
    return PieceOffsets(text.split(u'\t')).last();
}

QList<TTextLine> LayoutText(const QString& text, unsigned format, int width, const TTextMeasure& measure)
{
    QString source = text;
    if ((format & DT_EXPANDTABS) == 0)
        source.replace(u'\t', u' ');
    if ((format & DT_SINGLELINE) != 0)
        source.remove(u'\r').remove(u'\n');
    const TShownText shown = ResolvePrefixes(source, (format & DT_NOPREFIX) == 0);

    QList<TTextLine> lines;
    const QString& s = shown.text;
    qsizetype from = 0;
    while (true) {
        qsizetype to = from;
        while (to < s.size() && s[to] != u'\r' && s[to] != u'\n')
            ++to;
        if ((format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0)
            BreakParagraph(shown, from, to, width, measure, lines);
        else
            lines.append(MakeLine(shown, from, to, measure));
        if (to >= s.size())
            break;
        from = to + (s[to] == u'\r' && to + 1 < s.size() && s[to + 1] == u'\n' ? 2 : 1);
        if (from >= s.size())
            break;  // a final line break opens no further line
    }
    if ((format & DT_END_ELLIPSIS) != 0)
        for (TTextLine& line : lines)
            if (line.Width > width)
                AddEllipsis(line, width, measure);
    return lines;
}

bool IsAccel(QChar key, const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        ++i;
        if (text.at(i) != QLatin1Char('&'))
            return text.at(i).toUpper() == key.toUpper();
    }
    return false;
}
