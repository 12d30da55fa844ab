#include "theme/ThemeFonts.h"

#include <QStringList>
#include <QVarLengthArray>
#include <array>

#include "framework/Stream.h"
#include "graphics/Pixel.h"
#include "theme/Theme.h"
#include "theme/ThemeError.h"
#include "theme/ThemeTableStream.h"

namespace {

constexpr std::array<const char*, TteThemeFonts::kCount> kNames = {
    "CaptionTextNormal",        "CaptionTextInactive",        "SmCaptionTextNormal",
    "SmCaptionTextInactive",    "StaticTextNormal",           "StaticTextHot",
    "StaticTextFocused",        "StaticTextDisabled",         "PanelTextNormal",
    "PanelTextDisabled",        "ButtonTextNormal",           "ButtonTextPressed",
    "ButtonTextHot",            "ButtonTextFocused",          "ButtonTextDisabled",
    "CheckBoxTextNormal",       "CheckBoxTextPressed",        "CheckBoxTextHot",
    "CheckBoxTextFocused",      "CheckBoxTextDisabled",       "RadioButtonTextNormal",
    "RadioButtonTextPressed",   "RadioButtonTextHot",         "RadioButtonTextFocused",
    "RadioButtonTextDisabled",  "GroupBoxTextNormal",         "GroupBoxTextDisabled",
    "WindowTextNormal",         "WindowTextDisabled",         "EditBoxTextNormal",
    "EditBoxTextFocused",       "EditBoxTextHot",             "EditBoxTextDisabled",
    "EditBoxTextSelected",      "MenuItemTextNormal",         "MenuItemTextSelected",
    "MenuItemTextHot",          "MenuItemTextDisabled",       "ToolItemTextNormal",
    "ToolItemTextSelected",     "ToolItemTextHot",            "ToolItemTextDisabled",
    "HeaderSectionTextNormal",  "HeaderSectionTextPressed",   "HeaderSectionTextDraggedOut",
    "HeaderSectionTextDragging", "HeaderSectionTextHot",      "HeaderSectionTextUnderDrag",
    "HeaderSectionTextDisabled", "StatusPanelTextNormal",     "StatusPanelTextDisabled",
    "TabTextInactiveNormal",    "TabTextInactiveHot",         "TabTextInactiveDisabled",
    "TabTextActiveNormal",      "TabTextActiveHot",           "TabTextActiveDisabled",
    "ListItemTextNormal",       "ListItemTextHot",            "ListItemTextSelected",
    "ListItemTextFocused",      "ListItemTextDisabled",       "PopupMenuItemTextNormal",
    "PopupMenuItemTextSelected", "PopupMenuItemTextHot",      "PopupMenuItemTextDisabled",
};

const QString kFace = QStringLiteral("Tahoma");
const QString kDefaultObject = QStringLiteral("default");

void CheckIndex(int index)
{
    if (index < 0 || index >= TteThemeFonts::kCount)
        throw EThemeError(QStringLiteral("Theme font index %1 out of range").arg(index));
}

void SetFont(TFont& font, int size, TColor color, TFontStyles style)
{
    font.SetName(kFace);
    font.SetSize(size);
    font.SetColor(color);
    font.SetStyle(style);
}

struct TStyleName {
    TFontStyle Style;
    const char* Name;
};
constexpr std::array<TStyleName, 4> kStyleNames = {{
    {TFontStyle::fsBold, "bold"},
    {TFontStyle::fsItalic, "italic"},
    {TFontStyle::fsUnderline, "underline"},
    {TFontStyle::fsStrikeOut, "strikeout"},
}};

}  // namespace

TteThemeFonts::TteThemeFonts(TteTheme* theme) : theme_(theme)
{
    for (auto& font : fonts_) {
        font = std::make_unique<TFont>();
        font->SetName(kFace);
    }
}

TteThemeFonts::~TteThemeFonts() = default;

TFont* TteThemeFonts::GetFont(int index) const
{
    CheckIndex(index);
    return fonts_[static_cast<std::size_t>(index)].get();
}

TFont* TteThemeFonts::GetObjectFont(int index, const QString& objectName)
{
    TFont* font = GetFont(index);
    if (theme_ == nullptr || objectName == kDefaultObject)
        return font;
    scratch_.Assign(font);
    theme_->AssignFont(scratch_, index, objectName);
    return &scratch_;
}

QString TteThemeFonts::Name(int index)
{
    CheckIndex(index);
    return QString::fromLatin1(kNames[static_cast<std::size_t>(index)]);
}

void TteThemeFonts::SetDefaults()
{
    const TFontStyles bold{TFontStyle::fsBold};
    SetFont(*fonts_[0], 10, clWhite, bold);
    SetFont(*fonts_[1], 10, 0x00C0C0C0, bold);
    SetFont(*fonts_[2], 8, clWhite, bold);
    SetFont(*fonts_[3], 8, 0x00C0C0C0, bold);
    for (int i : {4, 5, 6, 7, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 27, 29, 30, 31, 46})
        SetFont(*fonts_[static_cast<std::size_t>(i)], 8, clBlack, {});
    SetFont(*fonts_[33], 8, clWhite, {});
    for (int i : {14, 26, 28, 32, 37, 41, 65})
        SetFont(*fonts_[static_cast<std::size_t>(i)], 8, clBtnShadow, {});
}

void TteThemeFonts::ApplyHue(int delta)
{
    for (auto& font : fonts_)
        font->SetColor(HueShiftColor(font->Color(), delta));
}

void TteThemeFonts::ApplyBrightness(int delta)
{
    for (auto& font : fonts_)
        font->SetColor(BrightnessShiftColor(font->Color(), delta));
}

QString TteThemeFonts::FontToText(const TFont& font)
{
    const TColor rgb = ColorToRGB(font.Color());
    QString text = QStringLiteral("%1,%2,%3,%4,%5,%6")
                       .arg(font.Name())
                       .arg(font.Size())
                       .arg(font.Charset())
                       .arg(GetRValue(rgb))
                       .arg(GetGValue(rgb))
                       .arg(GetBValue(rgb));
    for (const TStyleName& s : kStyleNames)
        if (font.Style().Contains(s.Style))
            text += QLatin1Char(',') + QLatin1String(s.Name);
    return text;
}

void TteThemeFonts::TextToFont(const QString& text, TFont& font)
{
    // Fields end at a comma or a semicolon (a plain scan: skins carry dozens of these).
    QVarLengthArray<QStringView, 12> fields;
    for (qsizetype start = 0, i = 0;; ++i)
        if (i == text.size() || text.at(i) == u',' || text.at(i) == u';') {
            fields.append(QStringView(text).sliced(start, i - start));
            if (i == text.size())
                break;
            start = i + 1;
        }
    auto number = [&](qsizetype i) {
        bool ok = false;
        const int value = i < fields.size() ? fields[i].trimmed().toInt(&ok) : 0;
        if (!ok)
            throw EConvertError(QStringLiteral("'%1' is not a valid font text").arg(text));
        return value;
    };
    const QString face = fields[0].trimmed().toString();
    const int size = number(1);
    const TColor color = RGB(number(3), number(4), number(5));
    TFontStyles style;
    for (qsizetype i = 6; i < fields.size(); ++i) {
        const QStringView name = fields[i].trimmed();
        if (name.isEmpty())
            continue;
        bool known = false;
        for (const TStyleName& s : kStyleNames)
            if (name == QLatin1String(s.Name)) {
                style.Include(s.Style);
                known = true;
            }
        if (!known)
            throw EConvertError(QStringLiteral("'%1' is not a valid font style").arg(name.toString()));
    }
    font.SetName(face);
    font.SetSize(size);
    font.SetColor(color);
    font.SetStyle(style);
}

void TteThemeFonts::ReadFonts(TStream& stream)
{
    std::uint8_t last = 0;
    stream.ReadBuffer(&last, 1);
    for (int i = 0; i <= last; ++i) {
        const QString text = ReadTableEntry(stream);
        // Entries past the table are read to stay in step with the stream, and dropped.
        if (i < kCount)
            TextToFont(text, *fonts_[static_cast<std::size_t>(i)]);
    }
}

void TteThemeFonts::WriteFonts(TStream& stream) const
{
    const std::uint8_t last = kCount - 1;
    stream.WriteBuffer(&last, 1);
    for (int i = 0; i < kCount; ++i)
        WriteTableEntry(stream, Name(i), FontToText(*fonts_[static_cast<std::size_t>(i)]));
}

void TteThemeFonts::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TteThemeFonts*>(source)) {
        for (int i = 0; i < kCount; ++i)
            fonts_[static_cast<std::size_t>(i)]->Assign(other->fonts_[static_cast<std::size_t>(i)].get());
        return;
    }
    TPersistent::Assign(source);
}
