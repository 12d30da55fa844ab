// The flat theme's tables, configuration and the families drawn as simple boxes.
#include "themes/FlatTheme.h"

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"
#include "themes/BuiltInTables.h"
#include "themes/FlatThemeDraw.h"

using enum TteThemeColor;

namespace {

// Kinds past the last the flat kind knows draw nothing.
constexpr TteButtonKind kLastButtonKind{9};

constexpr TteEnumTable<TteButtonState, TteThemeColor> kButtonFaces{
    ktcButtonNormal,
    {{TteButtonState::kbsHot, ktcButtonHot},
     {TteButtonState::kbsPressed, ktcButtonPressed},
     {TteButtonState::kbsDisabled, ktcButtonDisabled},
     {TteButtonState::kbsFocused, ktcButtonFocused},
     {TteButtonState::kbsDefault, ktcButtonFocused}}};

constexpr TteEnumTable<TteButtonKind, unsigned> kSpinArrows{0,
                                                            {{TteButtonKind::kbkSpinUp, DFCS_SCROLLUP},
                                                             {TteButtonKind::kbkSpinDown, DFCS_SCROLLDOWN},
                                                             {TteButtonKind::kbkSpinLeft, DFCS_SCROLLLEFT},
                                                             {TteButtonKind::kbkSpinRight, DFCS_SCROLLRIGHT}}};

// Scroll bars: pressed comes before hot.
constexpr TteEnumTable<TteScrollBarState, TteThemeColor> kScrollFaces{
    ktcButtonNormal,
    {{TteScrollBarState::ksbsPressed, ktcButtonFocused},
     {TteScrollBarState::ksbsHot, ktcButtonHot},
     {TteScrollBarState::ksbsDisabled, ktcButtonDisabled}}};

constexpr TteEnumTable<TteEditButtonState, TteThemeColor> kEditButtonFaces{
    ktcButtonNormal,
    {{TteEditButtonState::kebsHot, ktcButtonHot},
     {TteEditButtonState::kebsPressed, ktcButtonPressed},
     {TteEditButtonState::kebsDisabled, ktcButtonDisabled}}};

}  // namespace

TTeFlatTheme::TTeFlatTheme() : TTeFlatTheme(0) {}

TTeFlatTheme::TTeFlatTheme(int popupGutterWidth) : popupGutterWidth_(popupGutterWidth) {}

const TteThemeClass& TTeFlatTheme::ThemeClass() const { return ThemeClassOf<TTeFlatTheme>(); }

QString TTeFlatTheme::GetThemeKindName() { return QStringLiteral("Flat"); }

TteThemeConfig TTeFlatTheme::GetThemeConfig()
{
    TteThemeConfig config;
    config.BuiltIn = true;
    return config;
}

void TTeFlatTheme::InitColors()
{
    // The flat colours deliberately ignore the hue and brightness shifts; only its fonts follow them.
    for (const TteBuiltInColor& entry : BuiltInColorTable())
        Colors()->SetColor(entry.Index, entry.Flat);
}

void TTeFlatTheme::InitFonts() { WriteFonts(&TteBuiltInFont::Flat); }

void TTeFlatTheme::WriteFonts(TteBuiltInFontLook TteBuiltInFont::*kindLook)
{
    for (const TteBuiltInFont& run : BuiltInFontTable()) {
        const TteBuiltInFontLook& look = run.*kindLook;
        if (!look.Written)
            continue;
        for (int index = run.First; index <= run.Last; ++index) {
            TFont* font = Fonts()->GetFont(index);
            font->SetName(QStringLiteral("Tahoma"));
            font->SetSize(look.Size);
            font->SetColor(look.Color);
            font->SetStyle(look.Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
        }
    }
    Fonts()->ApplyHue(DeltaHue());
    Fonts()->ApplyBrightness(DeltaBrightness());
}

void TTeFlatTheme::DrawBoxIn(TCanvas& canvas, const TRect& rect, TColor colour) const
{
    FillRectColor(canvas, rect, colour);
    DrawFrameRect(canvas, rect, Color(ktcBorder));
}

void TTeFlatTheme::DrawCheckMarkAt(TCanvas& canvas, TPoint centre, TColor colour)
{
    // The shared check mark sits 2 left of and 1 below the middle of a 16 × 16 box; place that box
    // so the mark's centre lands on centre, and lend the font the mark's colour.
    const TColor fontColour = canvas.Font()->Color();
    canvas.Font()->SetColor(colour);
    DrawCheckMark(canvas, TRect{centre.X - 6, centre.Y - 9, centre.X + 10, centre.Y + 7});
    canvas.Font()->SetColor(fontColour);
}

bool TTeFlatTheme::IsHintAvailable(TteKind, const QString&) { return false; }
bool TTeFlatTheme::IsLabelAvailable(TteKind, const QString&) { return true; }

// Panel.

bool TTeFlatTheme::IsPanelAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsPanelTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetPanelClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcPanelNormal));
}

// Button.

bool TTeFlatTheme::IsButtonAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsButtonTransparent(TteKind, const QString&) { return true; }

void TTeFlatTheme::DrawButton(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    using enum TteButtonKind;
    const auto button = ThemeEnum<TteButtonKind>(kind);
    if (button > kLastButtonKind)
        return;
    const auto state = ThemeEnum<TteButtonState>(info.State);
    DrawBoxIn(canvas, info.Rect, Color(kButtonFaces[state]));
    if (button == kbkDefaultButton) {
        FillRoundRect(canvas, CenterRect(TRect{0, 0, 5, 5}, info.Rect), 3, clRed);
    } else if (button >= kbkSpinUp && button <= kbkSpinRight) {
        const TRect r = state == TteButtonState::kbsPressed ? OffsetRectBy(info.Rect, 1, 1) : info.Rect;
        DrawArrow(canvas, r, kSpinArrows[button], Color(ktcBorder));
    }
}

void TTeFlatTheme::DrawButtonGlyph(TteKind, TCanvas& canvas, const TteElementInfo&, const TteGlyphInfo& glyph,
                                   const QString&)
{
    if (glyph.Glyph != nullptr)
        glyph.Glyph->Draw(canvas, glyph.Rect.Left, glyph.Rect.Top);
}

// Check box and radio button.

bool TTeFlatTheme::IsCheckBoxAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsCheckBoxTransparent(TteKind, const QString&) { return true; }

void TTeFlatTheme::DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    using enum TteCheckRow;
    using enum TteCheckColumn;
    const TRect& r = info.Rect;
    const TColor border = Color(ktcBorder);
    const auto box = ThemeEnum<TteCheckBoxKind>(kind);
    const auto state = ThemeEnum<TteCheckState>(info.State);
    const TteCheckRow row = CheckRowOf(state);
    const TteCheckColumn column = CheckColumnOf(state);
    // The mark of an enabled box takes the ink of its text: in the Border colour, the colour of the
    // outline, every box looked disabled. A disabled box keeps the Border mark.
    const bool disabled = row <= kcrMixed && column == kccDisabled;
    const TteThemeFont text = box == TteCheckBoxKind::kcbkCheckBox ? TteThemeFont::ktfCheckBoxTextNormal
                                                                   : TteThemeFont::ktfRadioButtonTextNormal;
    const TColor mark = disabled ? border : Fonts()->GetFont(static_cast<int>(text))->Color();
    // The mark shows in the row's four produced columns only.
    const auto marked = [&](TteCheckRow markedRow) { return row == markedRow && column != kccNotProduced; };
    const auto face = [&](TteCheckRow lastRow) {
        if (row > lastRow)
            return ktcButtonNormal;
        return column == kccHot ? ktcButtonHot : column == kccPressed ? ktcButtonFocused : ktcButtonNormal;
    };
    if (box == TteCheckBoxKind::kcbkCheckBox) {
        DrawBoxIn(canvas, r, Color(face(kcrMixed)));
        if (marked(kcrChecked))
            DrawCheckMarkAt(canvas, {(r.Left + r.Right) / 2 - 1, (r.Top + r.Bottom) / 2 + 1}, mark);
        else if (marked(kcrMixed))
            FillRectColor(canvas, InflateRectBy(r, -3), mark);
    } else if (box == TteCheckBoxKind::kcbkRadioButton) {
        FillRoundRect(canvas, r, 10, Color(face(kcrUnchecked)));
        DrawRoundFrame(canvas, r, 10, border);
        if (marked(kcrChecked))
            FillRoundRect(canvas, InflateRectBy(r, -3), 10, mark);
    }
}

// Splitter.

bool TTeFlatTheme::IsSplitterAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsSplitterTransparent(TteKind, const QString&) { return false; }

void TTeFlatTheme::DrawSplitter(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcButtonNormal));
}

// Scroll bar.

bool TTeFlatTheme::IsScrollBarAvailable(TteKind kind, const QString&) { return kind == kThemeOnlyKind; }
bool TTeFlatTheme::IsScrollBarTransparent(TteKind, const QString&) { return false; }
void TTeFlatTheme::DrawScrollBarFrame(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeFlatTheme::DrawScrollBarPart(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    DrawBoxIn(canvas, info.Rect, Color(kScrollFaces[ThemeEnum<TteScrollBarState>(info.State)]));
    using enum TteScrollBarPart;
    switch (ThemeEnum<TteScrollBarPart>(info.Part)) {
    case ksbpUpArrow: DrawArrow(canvas, info.Rect, DFCS_SCROLLUP, Color(ktcBorder)); break;
    case ksbpDownArrow: DrawArrow(canvas, info.Rect, DFCS_SCROLLDOWN, Color(ktcBorder)); break;
    case ksbpLeftArrow: DrawArrow(canvas, info.Rect, DFCS_SCROLLLEFT, Color(ktcBorder)); break;
    case ksbpRightArrow: DrawArrow(canvas, info.Rect, DFCS_SCROLLRIGHT, Color(ktcBorder)); break;
    default: break;
    }
}

void TTeFlatTheme::DrawScrollBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    FillChecker(canvas, info.Rect, clBtnFace, clWhite);
}

// Progress bar.

bool TTeFlatTheme::IsProgressBarAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsProgressBarTransparent(TteKind, const QString&) { return false; }

void TTeFlatTheme::DrawProgressBar(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteProgressBarPart;
    const auto part = ThemeEnum<TteProgressBarPart>(info.Part);
    if (part <= kpbpHorzFrame)
        DrawBoxIn(canvas, info.Rect, Color(ktcButtonNormal));
    else if (part <= kpbpHorzSmooth)
        DrawBoxIn(canvas, info.Rect, Color(ktcButtonHot));
}

// Track bar.

bool TTeFlatTheme::IsTrackBarAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsTrackBarTransparent(TteKind, const QString&) { return true; }
void TTeFlatTheme::DrawTrackBar(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeFlatTheme::DrawTrackBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    DrawBoxIn(canvas, InflateRectBy(info.Rect, -2), Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawTrackBarThumb(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteTrackBarThumbState;
    const auto state = ThemeEnum<TteTrackBarThumbState>(info.State);
    const bool lit = state == ktbtsHot || state == ktbtsPressed;
    DrawBoxIn(canvas, info.Rect, Color(lit ? ktcButtonHot : ktcButtonNormal));
}

// Header.

bool TTeFlatTheme::IsHeaderAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsHeaderTransparent(TteKind, const QString&) { return false; }

void TTeFlatTheme::DrawHeader(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawHeaderSection(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteHeaderState;
    switch (ThemeEnum<TteHeaderState>(info.State)) {
    case khsNormal: DrawBoxIn(canvas, info.Rect, Color(ktcButtonNormal)); break;
    case khsPressed: case khsUnderDrag: DrawBoxIn(canvas, info.Rect, Color(ktcButtonFocused)); break;
    case khsDraggedOut: case khsDisabled: DrawBoxIn(canvas, info.Rect, Color(ktcButtonDisabled)); break;
    case khsDragging: case khsHot: DrawBoxIn(canvas, info.Rect, Color(ktcButtonHot)); break;
    default: DrawFrameRect(canvas, info.Rect, Color(ktcBorder)); break;
    }
}

void TTeFlatTheme::DrawHeaderSectionText(TteKind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                                         const QString&)
{
    TteTextInfo moved = text;
    if (ThemeEnum<TteHeaderState>(info.State) == TteHeaderState::khsHot)
        moved.Rect = OffsetRectBy(moved.Rect, -1, -1);
    DrawText(canvas, moved);
}

void TTeFlatTheme::DrawHeaderSectionGlyph(TteKind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                          const QString&)
{
    if (glyph.Glyph == nullptr)
        return;
    const TRect r =
        ThemeEnum<TteHeaderState>(info.State) == TteHeaderState::khsHot ? OffsetRectBy(glyph.Rect, -1, -1) : glyph.Rect;
    glyph.Glyph->Draw(canvas, r);
}

// Status bar.

bool TTeFlatTheme::IsStatusBarAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsStatusBarTransparent(TteKind, const QString&) { return false; }

TRect TTeFlatTheme::GetStatusBarClientRect(TteKind, const TRect& rect, const QString&)
{
    return InsetRect(rect, 5, 2);
}

void TTeFlatTheme::DrawStatusBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawStatusPanel(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    const TColor face = Color(ktcButtonNormal);
    const TColor shade = OffsetColorRGB(face, -40);
    FillRectColor(canvas, info.Rect, face);
    const auto panel = ThemeEnum<TteStatusPanel>(info.State);
    if (panel == TteStatusPanel::kspGrip) {
        const TRect r = OffsetRectBy(InflateRectBy(info.Rect, -5), 3, 3);
        FillPolygon(canvas, {{r.Right, r.Top - 2}, {r.Right, r.Top}, {r.Left, r.Bottom}, {r.Left - 2, r.Bottom}}, shade);
        FillPolygon(canvas, {{r.Right, r.Top + 2}, {r.Right, r.Bottom}, {r.Left + 2, r.Bottom}}, shade);
    } else if (panel <= TteStatusPanel::kspNotProduced1) {
        const int x = info.Rect.Right - 2;
        FillRectColor(canvas, x, info.Rect.Top + 1, x + 1, info.Rect.Bottom - 1, shade);
    }
}

void TTeFlatTheme::DrawStatusPanelGlyph(TteKind, TCanvas& canvas, const TteElementInfo&, const TteGlyphInfo& glyph,
                                        const QString&)
{
    if (glyph.Glyph != nullptr)
        glyph.Glyph->Draw(canvas, glyph.Rect);
}

// Edit and combo box.

bool TTeFlatTheme::IsEditAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsEditTransparent(TteKind, const QString&) { return false; }

TRect TTeFlatTheme::GetEditClientRect(TteKind, TCanvas&, const TteElementInfo& info, const QString&)
{
    return InflateRectBy(info.Rect, -4);
}

void TTeFlatTheme::DrawEdit(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    if (ThemeEnum<TteEditState>(info.State) == TteEditState::kesSelection)
        FillRectColor(canvas, info.Rect, Color(ktcEditSelection));
    else
        DrawBoxIn(canvas, info.Rect, Color(ktcEditNormal));
}

void TTeFlatTheme::DrawEditButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Here Part carries the button's state and State its arrow.
    using enum TteEditButtonArrow;
    DrawBoxIn(canvas, info.Rect, Color(kEditButtonFaces[ThemeEnum<TteEditButtonState>(info.Part)]));
    const auto arrow = ThemeEnum<TteEditButtonArrow>(info.State);
    if (arrow == kebaDropDown || arrow == kebaDown)
        DrawArrow(canvas, info.Rect, DFCS_SCROLLDOWN, Color(ktcBorder));
    else if (arrow == kebaUp)
        DrawArrow(canvas, info.Rect, DFCS_SCROLLUP, Color(ktcBorder));
}

// Group box.

bool TTeFlatTheme::IsGroupBoxAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsGroupBoxTransparent(TteKind, const QString&) { return true; }
TRect TTeFlatTheme::GetGroupBoxClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -6); }

void TTeFlatTheme::DrawGroupBox(TteKind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString&)
{
    const int saved = canvas.SaveDC();
    if (!info.CaptionRect.IsEmpty())
        canvas.ExcludeClipRect(info.CaptionRect);
    DrawRoundFrame(canvas, info.Rect, 5, Color(ktcBorder));
    canvas.RestoreDC(saved);
}

// Memo and box.

bool TTeFlatTheme::IsMemoAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsMemoTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetMemoClientRect(TteKind, TCanvas&, const TRect& rect, const QString&) { return rect; }

void TTeFlatTheme::DrawMemo(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    DrawBoxIn(canvas, info.Rect, Color(ktcEditNormal));
}

bool TTeFlatTheme::IsBoxAvailable(TteKind, const QString&) { return true; }

TRect TTeFlatTheme::GetBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeFlatTheme::DrawBox(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    DrawBoxIn(canvas, info.Rect, Color(ktcButtonNormal));
}
