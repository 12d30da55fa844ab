#pragma once
// Every drawing operation of the abstract theme as one call with a rectangle and two bytes, for sweeps
// that walk all parts and states of a theme kind.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "theme/Theme.h"

// a: the operation's part, kind, glyph kind or button; b: its state.
using TDrawing = std::function<void(TteTheme&, TCanvas&, const TRect&, std::uint8_t a, std::uint8_t b)>;

inline std::vector<std::pair<const char*, TDrawing>> Drawings(const TteBitmap& picture)
{
    const TteBitmap* g = &picture;
    const QString o = QStringLiteral("default");
    auto text = [](const TRect& r) { return MakeTextInfo(r, QStringLiteral("Te&xt"), 0u); };
    auto glyph = [g](const TRect& r, std::uint8_t kind) {
        return TteGlyphInfo{r, g, 4, static_cast<TteGlyphKind>(kind % 5)};
    };
    auto window = [](const TRect& r, std::uint8_t b) {
        TteWindowInfo w;
        w.Rect = r;
        w.Active = b % 2 == 0;
        w.Caption = QStringLiteral("Caption");
        w.Buttons = TteFormButtons::FromBits(0x3FF);
        return w;
    };
    auto form = [](std::uint8_t a) { return static_cast<TteFormKind>(a % 7); };
    using T = TteTheme;
    using C = TCanvas;
    using R = TRect;
    using B = std::uint8_t;
    return {
        {"DrawForm", [=](T& t, C& c, const R& r, B a, B b) { t.DrawForm(form(a), c, window(r, b), o); }},
        {"DrawFormCaptionText", [=](T& t, C& c, const R& r, B a, B b) { t.DrawFormCaptionText(form(a), c, window(r, b), r, o); }},
        {"DrawFormButton", [=](T& t, C& c, const R& r, B a, B b) {
             t.DrawFormButton(TteFormKind::kfkStandard, c, {r, static_cast<TteFormButton>(a % 10), static_cast<TteFormButtonState>(b % 4), g}, o);
         }},
        {"DrawPanel", [=](T& t, C& c, const R& r, B a, B) { t.DrawPanel(a, c, r, o); }},
        {"DrawButton", [=](T& t, C& c, const R& r, B a, B b) { t.DrawButton(a, c, {r, b}, o); }},
        {"DrawButtonGlyph", [=](T& t, C& c, const R& r, B a, B b) { t.DrawButtonGlyph(0, c, {r, b}, glyph(r, a), o); }},
        {"DrawCheckBox", [=](T& t, C& c, const R& r, B a, B b) { t.DrawCheckBox(a % 2, c, {r, b}, o); }},
        {"DrawSplitter", [=](T& t, C& c, const R& r, B, B) { t.DrawSplitter(0, c, r, o); }},
        {"DrawScrollBarFrame", [=](T& t, C& c, const R& r, B, B) { t.DrawScrollBarFrame(0, c, r, o); }},
        {"DrawScrollBarPart", [=](T& t, C& c, const R& r, B a, B b) { t.DrawScrollBarPart(0, c, {r, a, b}, o); }},
        {"DrawScrollBarTrack", [=](T& t, C& c, const R& r, B a, B b) { t.DrawScrollBarTrack(0, c, {r, a, b}, o); }},
        {"DrawProgressBar", [=](T& t, C& c, const R& r, B a, B b) { t.DrawProgressBar(0, c, {r, a, b}, o); }},
        {"DrawTrackBar", [=](T& t, C& c, const R& r, B, B) { t.DrawTrackBar(0, c, r, o); }},
        {"DrawTrackBarTrack", [=](T& t, C& c, const R& r, B a, B b) { t.DrawTrackBarTrack(0, c, {r, a, b}, o); }},
        {"DrawTrackBarThumb", [=](T& t, C& c, const R& r, B a, B b) { t.DrawTrackBarThumb(0, c, {r, a, b}, o); }},
        {"DrawHeader", [=](T& t, C& c, const R& r, B, B) { t.DrawHeader(0, c, r, o); }},
        {"DrawHeaderSection", [=](T& t, C& c, const R& r, B a, B b) { t.DrawHeaderSection(0, c, {r, a, b}, o); }},
        {"DrawHeaderSectionText", [=](T& t, C& c, const R& r, B a, B b) { t.DrawHeaderSectionText(0, c, {r, a, b}, text(r), o); }},
        {"DrawHeaderSectionGlyph", [=](T& t, C& c, const R& r, B a, B b) { t.DrawHeaderSectionGlyph(0, c, {r, 0, b}, glyph(r, a), o); }},
        {"DrawStatusBar", [=](T& t, C& c, const R& r, B, B) { t.DrawStatusBar(0, c, r, o); }},
        {"DrawStatusPanel", [=](T& t, C& c, const R& r, B, B b) { t.DrawStatusPanel(0, c, {r, b}, o); }},
        {"DrawStatusPanelGlyph", [=](T& t, C& c, const R& r, B a, B b) { t.DrawStatusPanelGlyph(0, c, {r, b}, glyph(r, a), o); }},
        {"DrawEdit", [=](T& t, C& c, const R& r, B a, B b) { t.DrawEdit(a, c, {r, b}, o); }},
        {"DrawEditButton", [=](T& t, C& c, const R& r, B a, B b) { t.DrawEditButton(6, c, {r, a, b}, o); }},
        {"DrawGroupBox", [=](T& t, C& c, const R& r, B, B b) { t.DrawGroupBox(0, c, {r, r, b}, o); }},
        {"DrawMemo", [=](T& t, C& c, const R& r, B, B b) { t.DrawMemo(0, c, {r, b}, o); }},
        {"DrawBox", [=](T& t, C& c, const R& r, B, B b) { t.DrawBox(0, c, {r, b}, o); }},
        {"DrawMenu", [=](T& t, C& c, const R& r, B a, B) { t.DrawMenu(a % 2, c, r, o); }},
        {"DrawMenuItem bar", [=](T& t, C& c, const R& r, B a, B b) { t.DrawMenuItem(0, c, {r, a, b}, o); }},
        {"DrawMenuItem popup", [=](T& t, C& c, const R& r, B a, B b) { t.DrawMenuItem(1, c, {r, a, b}, o); }},
        {"DrawMenuItemGlyph", [=](T& t, C& c, const R& r, B a, B b) { t.DrawMenuItemGlyph(1, c, {r, 0, b}, glyph(r, a), o); }},
        {"DrawControlBar", [=](T& t, C& c, const R& r, B, B) { t.DrawControlBar(0, c, r, o); }},
        {"DrawToolBar", [=](T& t, C& c, const R& r, B a, B) { t.DrawToolBar(a, c, r, o); }},
        {"DrawToolButton", [=](T& t, C& c, const R& r, B a, B b) { t.DrawToolButton(1, c, {r, a, b}, o); }},
        {"DrawToolButtonGlyph", [=](T& t, C& c, const R& r, B a, B b) { t.DrawToolButtonGlyph(1, c, {r, 0, b}, glyph(r, a), o); }},
        {"DrawScrollBox", [=](T& t, C& c, const R& r, B, B) { t.DrawScrollBox(0, c, r, o); }},
        {"DrawRollPanel", [=](T& t, C& c, const R& r, B, B) { t.DrawRollPanel(0, c, r, o); }},
        {"DrawRollPanelCaption", [=](T& t, C& c, const R& r, B, B b) { t.DrawRollPanelCaption(0, c, {r, b}, o); }},
        {"DrawRollPanelButton", [=](T& t, C& c, const R& r, B a, B b) { t.DrawRollPanelButton(0, c, {r, a, b}, o); }},
        {"DrawTabPane", [=](T& t, C& c, const R& r, B, B) { t.DrawTabPane(0, c, r, o); }},
        {"DrawTab", [=](T& t, C& c, const R& r, B a, B b) { t.DrawTab(0, c, {r, a, b}, o); }},
        {"DrawTabScrollButton", [=](T& t, C& c, const R& r, B a, B b) { t.DrawTabScrollButton(0, c, {r, a, b}, o); }},
        {"DrawTabText", [=](T& t, C& c, const R& r, B a, B b) { t.DrawTabText(0, c, {r, a, b}, text(r), o); }},
        {"DrawListBox", [=](T& t, C& c, const R& r, B, B) { t.DrawListBox(0, c, r, o); }},
        {"DrawListBoxItem", [=](T& t, C& c, const R& r, B, B b) { t.DrawListBoxItem(0, c, {r, b}, o); }},
        {"DrawListBoxItemCheck", [=](T& t, C& c, const R& r, B a, B b) {
             t.DrawListBoxItemCheck(0, c, {r, b}, {r, 4, g, static_cast<TteListCheck>(a % 4)}, o);
         }},
        {"DrawTree", [=](T& t, C& c, const R& r, B, B) { t.DrawTree(0, c, r, o); }},
        {"DrawTreeItem", [=](T& t, C& c, const R& r, B, B b) { t.DrawTreeItem(0, c, {r, b}, o); }},
        {"DrawGrid", [=](T& t, C& c, const R& r, B, B) { t.DrawGrid(0, c, r, o); }},
        {"DrawGridCell", [=](T& t, C& c, const R& r, B a, B b) { t.DrawGridCell(0, c, {r, a, b}, o); }},
    };
}

// Every drawing in parts 0-15 and states 0-14 on empty, inverted, tiny and off-canvas rectangles, and
// in the parts and states hugeStates on huge ones (fills are clipped, glyphs too big left out):
// nothing may throw.
inline void SweepDrawings(TteTheme& theme, TCanvas& canvas, std::initializer_list<std::uint8_t> hugeStates)
{
    TteBitmap picture;
    picture.SetSize(5, 4);
    picture.Fill(0x80FF0000);
    picture.SetAlphaBlend(true);
    const TRect small[] = {{0, 0, 0, 0}, {10, 10, 5, 5}, {3, 3, 4, 4}, {-5, -5, 2, 2}, {60, 60, 70, 70}};
    const TRect huge[] = {{-30000, -30000, 30000, 30000}, {0, 0, 40000, 12}, {0, 0, 12, 40000}};
    for (const auto& [name, draw] : Drawings(picture)) {
        for (std::uint8_t a = 0; a <= 15; ++a)
            for (std::uint8_t b = 0; b <= 14; ++b)
                for (const TRect& r : small)
                    ASSERT_NO_THROW(draw(theme, canvas, r, a, b)) << name << " " << int(a) << "/" << int(b);
        for (std::uint8_t ab : hugeStates)
            for (const TRect& r : huge)
                ASSERT_NO_THROW(draw(theme, canvas, r, ab, ab)) << name << " huge " << int(ab);
    }
}
