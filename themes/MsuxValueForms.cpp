#include "themes/MsuxValueForms.h"

#include <algorithm>

#include "framework/Convert.h"
#include "framework/Font.h"
#include "graphics/Tokens.h"

namespace {

struct TWord {
    const char* word;
    std::uint8_t value;
};

// The value of the first word equal to the text (case ignored), else the fallback.
template <std::size_t N>
std::uint8_t WordValue(const QString& value, const TWord (&words)[N], std::uint8_t fallback)
{
    const QString text = value.trimmed();
    for (const TWord& w : words)
        if (text.compare(QLatin1String(w.word), Qt::CaseInsensitive) == 0)
            return w.value;
    return fallback;
}

}  // namespace

TColor MsuxColor(const QString& value)
{
    QString rest = value.trimmed();
    TColor colour = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        // Out-of-range parts would spill into the next channel or the system-colour bit.
        const int part = std::clamp(StrToIntDef(ExtractToken(rest), 0), 0, 255);
        colour |= static_cast<TColor>(part) << shift;
    }
    return colour;
}

bool MsuxBoolean(const QString& value)
{
    const QString text = value.trimmed();
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1") ||
           text.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
}

TRect MsuxMargins(const QString& value)
{
    QString rest = value.trimmed();
    int parts[4];
    for (int& part : parts)
        if (!TryStrToInt(ExtractToken(rest), part))
            return {};
    return {parts[0], parts[2], parts[1], parts[3]};
}

TPoint MsuxPoint(const QString& value)
{
    QString rest = value.trimmed();
    const int x = StrToInt(ExtractToken(rest));
    const int y = StrToInt(ExtractToken(rest));
    return {x, y};
}

int MsuxInteger(const QString& value)
{
    return StrToInt(value.trimmed());
}

std::uint8_t MsuxBgType(const QString& value)
{
    static const TWord words[] = {{"none", 3}, {"imagefile", 2}, {"borderfill", 1}};
    return WordValue(value, words, 0);
}

std::uint8_t MsuxSizingType(const QString& value)
{
    static const TWord words[] = {{"tile", 0},     {"stretch", 1},
                                  {"tilevertical", 2}, {"tilehorizontal", 3},
                                  {"truesize", 4}, {"bordertileclientstretch", 5},
                                  {"borderstretchclienttile", 6}};
    return WordValue(value, words, 0);
}

std::uint8_t MsuxImageSelectType(const QString& value)
{
    static const TWord words[] = {{"dpi", 1}, {"size", 2}};
    QString rest = value.trimmed();
    return WordValue(ExtractToken(rest), words, 0);
}

std::uint8_t MsuxContentAlignment(const QString& value)
{
    static const TWord words[] = {{"left", 0}, {"center", 1}, {"right", 2}};
    return WordValue(value, words, 0);
}

std::uint8_t MsuxTextShadowType(const QString& value)
{
    static const TWord words[] = {{"none", 0}, {"single", 1}, {"continuous", 2}};
    return WordValue(value, words, 0);
}

std::uint8_t MsuxImageLayout(const QString& value)
{
    static const TWord words[] = {{"horizontal", 1}};
    return WordValue(value, words, 0);
}

std::uint8_t MsuxGlyphType(const QString& value)
{
    static const TWord words[] = {{"imageglyph", 1}};
    return WordValue(value, words, 0);
}

QString ResourceImageName(const QString& imageFileValue)
{
    QString name = imageFileValue;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == u'\\')
            name[i] = u'_';
        else if (c == u'.' && i + 2 < name.size() && (name.at(i + 1) == u'b' || name.at(i + 1) == u'B'))
            name[i] = u'_';
    }
    return name.trimmed();
}

void MsuxFont(const QString& value, TFont& font)
{
    static const QString comma = QStringLiteral(",");
    QString rest = value.trimmed();
    const QString face = ExtractTokenBy(rest, comma);
    const int size = StrToInt(ExtractTokenBy(rest, comma));
    TFontStyles style;
    for (TFontStyle s : {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut})
        if (!ExtractTokenBy(rest, comma).isEmpty())
            style.Include(s);
    font.SetName(face);
    font.SetSize(size);
    font.SetStyle(style);
}
