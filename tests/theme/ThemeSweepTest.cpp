// Every drawing operation of the abstract theme on empty, inverted, tiny and huge rectangles,
// for crashes and exceptions; and every text alignment and rotation on the same rectangles.
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "theme/Theme.h"

namespace {

using TDrawing = std::function<void(TteTheme&, TCanvas&, const TRect&)>;

struct TSweepContext {
    TteBitmap glyph;
    QString object = QStringLiteral("default");
};

std::vector<std::pair<const char*, TDrawing>> Drawings(TSweepContext& s)
{
    const QString& o = s.object;
    auto text = [](const TRect& r) { return MakeTextInfo(r, QStringLiteral("Te&xt"), 0u); };
    auto part = [](const TRect& r) { return TtePartInfo{r, 0, 0}; };
    auto element = [](const TRect& r) { return TteElementInfo{r, 1}; };
    auto glyph = [&s](const TRect& r) { return TteGlyphInfo{r, &s.glyph, 4, TteGlyphKind::kgkShadowedImage}; };
    auto window = [](const TRect& r) {
        TteWindowInfo w;
        w.Rect = r;
        w.Caption = QStringLiteral("Caption");
        w.Buttons = TteFormButtons::FromBits(0x3FF);
        return w;
    };
    const TteFormKind form = TteFormKind::kfkStandard;
    std::vector<std::pair<const char*, TDrawing>> d = {
        {"DrawForm", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawForm(form, c, window(r), o); }},
        {"DrawFormBackground", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawFormBackground(form, c, r, o); }},
        {"DrawFormCaptionText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawFormCaptionText(form, c, window(r), r, o); }},
        {"DrawFormGrip", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawFormGrip(form, c, element(r), o); }},
        {"DrawHint", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawHint(0, c, r, o); }},
        {"DrawLabelText", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawLabelText(0, c, 0, text(r), o); }},
        {"DrawPanel", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawPanel(0, c, r, o); }},
        {"DrawPanelPart", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawPanelPart(0, c, r, o); }},
        {"DrawPanelText", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawPanelText(0, c, r, text(r), o); }},
        {"DrawButton", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawButton(0, c, element(r), o); }},
        {"DrawButtonText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawButtonText(0, c, element(r), text(r), o); }},
        {"DrawButtonGlyph",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawButtonGlyph(0, c, element(r), glyph(r), o); }},
        {"DrawCheckBox", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawCheckBox(0, c, element(r), o); }},
        {"DrawCheckBoxText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawCheckBoxText(0, c, element(r), text(r), o); }},
        {"DrawSplitter", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawSplitter(0, c, r, o); }},
        {"DrawScrollBarFrame", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawScrollBarFrame(0, c, r, o); }},
        {"DrawScrollBarPart", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawScrollBarPart(0, c, part(r), o); }},
        {"DrawScrollBarTrack",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawScrollBarTrack(0, c, part(r), o); }},
        {"DrawProgressBar", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawProgressBar(0, c, part(r), o); }},
        {"DrawTrackBar", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTrackBar(0, c, r, o); }},
        {"DrawTrackBarTrack", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTrackBarTrack(0, c, part(r), o); }},
        {"DrawTrackBarThumb", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTrackBarThumb(0, c, part(r), o); }},
        {"DrawHeader", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawHeader(0, c, r, o); }},
        {"DrawHeaderSection", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawHeaderSection(0, c, part(r), o); }},
        {"DrawHeaderSectionText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawHeaderSectionText(0, c, part(r), text(r), o); }},
        {"DrawHeaderSectionGlyph",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawHeaderSectionGlyph(0, c, part(r), glyph(r), o); }},
        {"DrawStatusBar", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawStatusBar(0, c, r, o); }},
        {"DrawStatusPanel", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawStatusPanel(0, c, element(r), o); }},
        {"DrawStatusPanelText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawStatusPanelText(0, c, element(r), text(r), o); }},
        {"DrawStatusPanelGlyph",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawStatusPanelGlyph(0, c, element(r), glyph(r), o); }},
        {"DrawEdit", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawEdit(0, c, element(r), o); }},
        {"DrawEditButton", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawEditButton(6, c, part(r), o); }},
        {"DrawGroupBox", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawGroupBox(0, c, {r, r, 0}, o); }},
        {"DrawGroupBoxText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawGroupBoxText(0, c, {r, r, 1}, text(r), o); }},
        {"DrawMemo", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawMemo(0, c, element(r), o); }},
        {"DrawBox", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawBox(0, c, element(r), o); }},
        {"DrawMenu", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawMenu(1, c, r, o); }},
        {"DrawMenuItem", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawMenuItem(1, c, part(r), o); }},
        {"DrawMenuItemText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawMenuItemText(1, c, part(r), text(r), o); }},
        {"DrawControlBar", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawControlBar(0, c, r, o); }},
        {"DrawToolBar", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawToolBar(1, c, r, o); }},
        {"DrawToolButton", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawToolButton(1, c, part(r), o); }},
        {"DrawToolButtonText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawToolButtonText(1, c, part(r), text(r), o); }},
        {"DrawScrollBox", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawScrollBox(0, c, r, o); }},
        {"DrawRollPanel", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawRollPanel(0, c, r, o); }},
        {"DrawRollPanelCaption",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawRollPanelCaption(0, c, element(r), o); }},
        {"DrawRollPanelButton",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawRollPanelButton(0, c, part(r), o); }},
        {"DrawRollPanelPart", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawRollPanelPart(0, c, element(r), o); }},
        {"DrawRollPanelText", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawRollPanelText(0, c, text(r), o); }},
        {"DrawTabPane", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTabPane(0, c, r, o); }},
        {"DrawTab", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTab(0, c, part(r), o); }},
        {"DrawTabScrollButton",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTabScrollButton(0, c, part(r), o); }},
        {"DrawTabText", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTabText(0, c, part(r), text(r), o); }},
        {"DrawTabGlyph", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTabGlyph(0, c, part(r), glyph(r), o); }},
        {"DrawListBox", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawListBox(0, c, r, o); }},
        {"DrawListBoxPart", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawListBoxPart(0, c, r, o); }},
        {"DrawListBoxItem", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawListBoxItem(0, c, element(r), o); }},
        {"DrawListBoxItemText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawListBoxItemText(0, c, element(r), text(r), o); }},
        {"DrawTree", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTree(0, c, r, o); }},
        {"DrawTreeItem", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTreeItem(0, c, element(r), o); }},
        {"DrawTreeItemText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTreeItemText(0, c, element(r), text(r), o); }},
        {"DrawTreeItemGlyph",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawTreeItemGlyph(0, c, element(r), glyph(r), o); }},
        {"DrawGrid", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawGrid(0, c, r, o); }},
        {"DrawGridCell", [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawGridCell(0, c, part(r), o); }},
        {"DrawGridCellText",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawGridCellText(0, c, part(r), text(r), o); }},
        {"DrawGridCellGlyph",
         [=](TteTheme& t, TCanvas& c, const TRect& r) { t.DrawGridCellGlyph(0, c, part(r), glyph(r), o); }},
    };
    for (int button = 0; button <= 9; ++button)
        for (int state = 0; state <= 3; ++state)
            d.push_back({"DrawFormButton", [=, &s](TteTheme& t, TCanvas& c, const TRect& r) {
                             t.DrawFormButton(form, c,
                                              {r, static_cast<TteFormButton>(button),
                                               static_cast<TteFormButtonState>(state), &s.glyph},
                                              o);
                         }});
    for (int kind = 0; kind <= 4; ++kind)
        d.push_back({"DrawMenuItemGlyph/DrawToolButtonGlyph", [=, &s](TteTheme& t, TCanvas& c, const TRect& r) {
                         const TteGlyphInfo g{r, &s.glyph, 4, static_cast<TteGlyphKind>(kind)};
                         t.DrawMenuItemGlyph(1, c, part(r), g, o);
                         t.DrawToolButtonGlyph(1, c, part(r), {r, nullptr, 4, static_cast<TteGlyphKind>(kind)}, o);
                     }});
    for (int check = 0; check <= 3; ++check)
        d.push_back({"DrawListBoxItemCheck", [=, &s](TteTheme& t, TCanvas& c, const TRect& r) {
                         t.DrawListBoxItemCheck(0, c, element(r), {r, 4, &s.glyph, static_cast<TteListCheck>(check)},
                                                o);
                     }});
    for (int alignment = 0; alignment <= 9; ++alignment)
        for (int rotation = 0; rotation <= 3; ++rotation)
            d.push_back({"DrawText", [=](TteTheme& t, TCanvas& c, const TRect& r) {
                             t.DrawText(c, MakeTextInfo(r, QStringLiteral("Some text\nover lines"),
                                                        static_cast<TteTextAlignment>(alignment), kTextWordBreak,
                                                        static_cast<TteTextRotation>(rotation)));
                         }});
    return d;
}

}  // namespace

TEST(ThemeSweep, EveryDrawingOnAwkwardRectanglesNeitherCrashesNorThrows)
{
    TSweepContext context;
    context.glyph.SetSize(5, 4);
    context.glyph.Fill(0x80FF0000);
    context.glyph.SetAlphaBlend(true);
    const TRect rectangles[] = {
        {0, 0, 0, 0},     {10, 10, 5, 5},           {3, 3, 4, 4},          {-5, -5, 2, 2},
        {60, 60, 70, 70}, {-30000, -30000, 30000, 30000}, {0, 0, 40000, 12}, {0, 0, 12, 40000},
    };
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    TteBuiltTheme<TteTheme> theme;
    for (const auto& [name, draw] : Drawings(context))
        for (const TRect& r : rectangles)
            EXPECT_NO_THROW(draw(theme, canvas, r)) << name << " (" << r.Left << "," << r.Top << "," << r.Right
                                                    << "," << r.Bottom << ")";
}
