#include "controls/widgets/ButtonKinds.h"

#include <QList>
#include <array>
#include <memory>

#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "graphics/Bitmap.h"
#include "graphics/CanvasDraw.h"

namespace {

constexpr int kKinds = 11;

constexpr std::array<TBitBtnKindInfo, kKinds> kKindInfo{{
    {"", 0, ""},
    {"OK", 1, "TE_BTN_OK"},
    {"Cancel", 2, "TE_BTN_CANCEL"},
    {"&Help", 0, "TE_BTN_HELP"},
    {"&Yes", 6, "TE_BTN_YES"},
    {"&No", 7, "TE_BTN_NO"},
    {"&Close", 0, "TE_BTN_CLOSE"},
    {"Abort", 3, "TE_BTN_ABORT"},
    {"&Retry", 4, "TE_BTN_RETRY"},
    {"&Ignore", 5, "TE_BTN_IGNORE"},
    {"&All", 8, "TE_BTN_ALL"},
}};

// The ground of the pictures: a colour none of them draws with.
constexpr TColor kGround = RGB(0, 128, 128);
constexpr TColor kDisabledInk = RGB(128, 128, 128);

struct TStroke {
    QList<TPoint> Points;
    int Width;
};

QList<TStroke> SymbolOf(TBitBtnKind kind, TColor& ink)
{
    switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes:
        ink = RGB(0, 128, 0);
        return {{{{2, 8}, {6, 12}, {13, 4}}, 2}};
    case TBitBtnKind::bkAll:
        ink = RGB(0, 128, 0);
        return {{{{1, 7}, {4, 10}, {9, 3}}, 2}, {{{6, 11}, {8, 13}, {14, 6}}, 2}};
    case TBitBtnKind::bkCancel:
        ink = RGB(192, 0, 0);
        return {{{{3, 3}, {12, 12}}, 2}, {{{12, 3}, {3, 12}}, 2}};
    case TBitBtnKind::bkNo:
        ink = RGB(192, 0, 0);
        return {{{{5, 2}, {10, 2}, {13, 5}, {13, 10}, {10, 13}, {5, 13}, {2, 10}, {2, 5}, {5, 2}}, 2},
                {{{4, 11}, {11, 4}}, 2}};
    case TBitBtnKind::bkHelp:
        ink = RGB(0, 0, 160);
        return {{{{4, 5}, {5, 3}, {8, 2}, {11, 3}, {12, 5}, {11, 7}, {8, 9}, {8, 10}}, 2}, {{{8, 13}, {8, 14}}, 2}};
    case TBitBtnKind::bkClose:
        ink = RGB(0, 0, 128);
        return {{{{9, 2}, {2, 2}, {2, 13}, {9, 13}}, 1}, {{{6, 8}, {14, 8}}, 2}, {{{11, 5}, {14, 8}, {11, 11}}, 2}};
    case TBitBtnKind::bkAbort:
        ink = RGB(192, 0, 0);
        return {{{{5, 2}, {10, 2}, {13, 5}, {13, 10}, {10, 13}, {5, 13}, {2, 10}, {2, 5}, {5, 2}}, 2},
                {{{5, 8}, {11, 8}}, 2}};
    case TBitBtnKind::bkRetry:
        ink = RGB(0, 128, 0);
        return {{{{12, 6}, {10, 3}, {7, 2}, {4, 3}, {2, 6}, {2, 9}, {4, 12}, {7, 13}, {10, 12}, {12, 10}}, 2},
                {{{9, 6}, {12, 6}, {13, 3}}, 2}};
    case TBitBtnKind::bkIgnore:
        ink = RGB(96, 96, 96);
        return {{{{2, 8}, {8, 8}}, 2}, {{{6, 4}, {10, 8}, {6, 12}}, 2}, {{{13, 3}, {13, 13}}, 2}};
    case TBitBtnKind::bkCustom:
        break;
    }
    return {};
}

void DrawSymbol(TCanvas& canvas, const QList<TStroke>& strokes, int dx, TColor ink)
{
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetColor(ink);
    for (const TStroke& stroke : strokes) {
        canvas.Pen()->SetWidth(stroke.Width);
        QList<TPoint> points;
        for (const TPoint p : stroke.Points)
            points.append(Point(p.X + dx, p.Y));
        canvas.Polyline(points);
    }
}

std::unique_ptr<TteBitmap> MakeKindGlyph(TBitBtnKind kind)
{
    auto glyph = std::make_unique<TteBitmap>();
    glyph->SetSize(32, 16);
    glyph->SetName(QString::fromLatin1(BitBtnKindInfo(kind).GlyphName));
    TCanvas& canvas = glyph->Canvas();
    FillRectColor(canvas, Rect(0, 0, 32, 16), kGround);
    TColor ink = clBlack;
    const QList<TStroke> strokes = SymbolOf(kind, ink);
    DrawSymbol(canvas, strokes, 0, ink);
    DrawSymbol(canvas, strokes, 17, clWhite);
    DrawSymbol(canvas, strokes, 16, kDisabledInk);
    glyph->Canvas().Handle()->EndPainting();
    glyph->SetAlpha(255);
    return glyph;
}

}  // namespace

const QStringList& BitBtnKindNames()
{
    static const QStringList names{"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                                   "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
    return names;
}

const QStringList& ButtonLayoutNames()
{
    static const QStringList names{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
    return names;
}

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind)
{
    return kKindInfo.at(static_cast<std::size_t>(kind));
}

const TteBitmap& BitBtnKindGlyph(TBitBtnKind kind)
{
    // Never freed: bitmaps report to the bitmap registry, which may be gone by the time statics end.
    static auto* glyphs = new std::array<std::unique_ptr<TteBitmap>, kKinds>;
    std::unique_ptr<TteBitmap>& glyph = glyphs->at(static_cast<std::size_t>(kind));
    if (!glyph)
        glyph = MakeKindGlyph(kind);
    return *glyph;
}
