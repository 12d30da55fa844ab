#include "controls/menus/MenuDrawer.h"

#include <QHash>
#include <algorithm>

#include "controls/menus/ImageListBitmap.h"
#include "controls/menus/TeItem.h"
#include "framework/Brush.h"
#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "framework/DeviceContext.h"
#include "framework/Font.h"
#include "framework/ImageList.h"
#include "framework/Pen.h"
#include "framework/SystemMetrics.h"
#include "framework/TextLayout.h"
#include "framework/VirtualKeys.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "theme/Theme.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeRecords.h"
#include "theme/ThemedElements.h"

namespace {

static_assert(static_cast<int>(TteThemeFont::ktfMenuItemTextNormal) == 34, "bar item fonts are 34 to 37");
static_assert(static_cast<int>(TteThemeFont::ktfPopupMenuItemTextNormal) == 62, "popup item fonts are 62 to 65");

constexpr int kSeparatorHeight = 15;
constexpr int kBarItemExtra = 12;
constexpr int kPopupItemExtra = 42;
constexpr int kArrowColumn = 22;
constexpr int kCheckColumn = 22;
constexpr int kCaptionGap = 4;

// The font table's order: normal, selected, hot, disabled.
int FontOffset(TteMenuItemState state)
{
    switch (state) {
    case TteMenuItemState::kmisSelected:
        return 1;
    case TteMenuItemState::kmisHot:
        return 2;
    case TteMenuItemState::kmisDisabled:
        return 3;
    default:
        return 0;
    }
}

void Fill(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

void Frame(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight)
{
    Fill(canvas, Rect(rect.Left, rect.Top, rect.Right - 1, rect.Top + 1), topLeft);
    Fill(canvas, Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1), topLeft);
    Fill(canvas, Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), bottomRight);
    Fill(canvas, Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), bottomRight);
}

// A level measures its items each time it opens; shaping the same captions in the same font again
// would cost more than the rest of the opening, so widths are kept by font and text.
int TextWidthOf(TCanvas& canvas, const QString& text)
{
    static QHash<QString, int> widths;
    constexpr qsizetype kKept = 1024;
    const TFont& font = *canvas.Font();
    const QString key = QStringLiteral("%1\x01%2\x01%3\x01%4\x01")
                            .arg(font.Name())
                            .arg(font.Height())
                            .arg(font.Style().Bits())
                            .arg(static_cast<int>(font.Charset())) +
                        text;
    if (const auto found = widths.constFind(key); found != widths.constEnd())
        return *found;
    if (widths.size() >= kKept)
        widths.clear();
    const int width = canvas.TextWidth(text);
    widths.insert(key, width);
    return width;
}

QString ShortCutText(TShortCut shortCut)
{
    QString text;
    if (shortCut & kShortCutCtrl)
        text += QStringLiteral("Ctrl+");
    if (shortCut & kShortCutShift)
        text += QStringLiteral("Shift+");
    if (shortCut & kShortCutAlt)
        text += QStringLiteral("Alt+");
    const int key = shortCut & 0xFF;
    if (key >= VK_F1 && key < VK_F1 + 24)
        return text + QStringLiteral("F%1").arg(key - VK_F1 + 1);
    if (key == VK_INSERT)
        return text + QStringLiteral("Ins");
    if (key == VK_DELETE)
        return text + QStringLiteral("Del");
    return text + QChar(key);
}

}  // namespace

TCanvas& MenuMeasuringCanvas()
{
    static QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    static TDeviceContext context(&image);
    static TCanvas canvas;
    canvas.SetHandle(&context);
    return canvas;
}

TMenuDrawer::TMenuDrawer(TteCustomThemeLink* link, const QString& objectName, TteMenuKind kind)
    : object_(objectName), kind_(kind)
{
    if (IsMenuThemed(ThemeByte(kind), objectName, link))
        theme_ = GetLinkTheme(link);
}

void TMenuDrawer::SetFont(TCanvas& canvas, TteMenuItemState state) const
{
    if (theme_ != nullptr) {
        const TteThemeFont first =
            kind_ == TteMenuKind::kmkBar ? TteThemeFont::ktfMenuItemTextNormal : TteThemeFont::ktfPopupMenuItemTextNormal;
        theme_->AssignFont(*canvas.Font(), static_cast<int>(first) + FontOffset(state), object_);
        return;
    }
    const TLogFont menuFont = SystemMetrics().NonClientMetrics().MenuFont;
    TFont& font = *canvas.Font();
    font.SetName(menuFont.FaceName);
    font.SetHeight(menuFont.Height);
    font.SetStyle(menuFont.Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
    if (state == TteMenuItemState::kmisDisabled)
        font.SetColor(clGrayText);
    else if (state == TteMenuItemState::kmisSelected || (state == TteMenuItemState::kmisHot && kind_ == TteMenuKind::kmkPopup))
        font.SetColor(kind_ == TteMenuKind::kmkPopup ? clHighlightText : clMenuText);
    else
        font.SetColor(clMenuText);
}

int TMenuDrawer::ItemHeight(const TTeItem& item) const
{
    const int height = SystemMetrics().NonClientMetrics().MenuHeight;
    const TCustomImageList* images = item.GetImages();
    return images != nullptr && images->Height() + 4 > height ? images->Height() + 4 : height;
}

int TMenuDrawer::ImageColumn(const TTeItem& item) const
{
    // Wide pictures widen the column; otherwise it is the check mark's.
    const TCustomImageList* images = item.GetImages();
    if (images != nullptr && images->Width() > SystemMetrics().NonClientMetrics().MenuHeight)
        return images->Width() + 6;
    return kCheckColumn;
}

TSize TMenuDrawer::MeasureItem(TCanvas& canvas, const TTeItem& item) const
{
    const int captionWidth = TextWidthOf(canvas, item.Caption());
    if (kind_ == TteMenuKind::kmkBar)
        return {captionWidth + kBarItemExtra + (item.HasImage() ? ImageColumn(item) : 0), ItemHeight(item)};
    if (item.IsLine())
        return {captionWidth + ImageColumn(item) + kPopupItemExtra, kSeparatorHeight};
    int width = captionWidth + ImageColumn(item) + kPopupItemExtra;
    if (item.ShortCut() != 0)
        width += TextWidthOf(canvas, ShortCutText(item.ShortCut()));
    return {width, ItemHeight(item)};
}

void TMenuDrawer::DrawImage(TCanvas& canvas, const TTeItem& item, const TRect& rect, TteMenuItemState state) const
{
    const bool enabled = state != TteMenuItemState::kmisDisabled;
    const TCustomImageList& images = *item.GetImages();
    if (theme_ != nullptr) {
        const TteBitmap* bitmap = ImageListBitmap(images, item.ImageIndex(), enabled);
        const TtePartInfo part{item.ItemRect, ThemeByte(TteMenuItemPart::kmipItem), ThemeByte(state)};
        theme_->DrawMenuItemGlyph(ThemeByte(kind_), canvas, part,
                                  TteGlyphInfo{rect, bitmap, 4, TteGlyphKind::kgkShadowedImage}, object_);
        return;
    }
    images.Draw(canvas, rect.Left + (rect.Width() - images.Width()) / 2, rect.Top + (rect.Height() - images.Height()) / 2,
                item.ImageIndex(), enabled);
}

TSize TMenuDrawer::LayoutLevel(TCanvas& canvas, TTeItem& parent, TPoint origin, int scrollCount) const
{
    const bool bar = kind_ == TteMenuKind::kmkBar;
    const bool scrolling = !bar && scrollCount > 0;
    int first = 0;
    int shown = parent.Count();
    if (scrolling) {
        parent.FirstVisible = std::clamp(parent.FirstVisible, 0, std::max(0, parent.Count() - 1));
        first = parent.FirstVisible;
        shown = scrollCount;
    }
    SetFont(canvas, TteMenuItemState::kmisNormal);
    int x = origin.X;
    int y = origin.Y + (scrolling ? kMenuScrollButtonHeight : 0);
    int widest = 0;
    int tallest = 0;
    int counted = 0;
    for (int i = 0; i < parent.Count(); ++i) {
        TTeItem& item = *parent.Items(i);
        item.ItemRect = TRect{};
        if (!item.Visible() || i < first || counted >= shown)
            continue;
        ++counted;
        const TSize size = MeasureItem(canvas, item);
        if (bar) {
            item.ItemRect = Rect(x, y, x + size.cx, y + size.cy);
            x += size.cx;
            tallest = std::max(tallest, size.cy);
        } else {
            item.ItemRect = Rect(x, y, x + size.cx, y + size.cy);
            y += size.cy;
            widest = std::max(widest, size.cx);
        }
    }
    if (bar) {
        for (int i = 0; i < parent.Count(); ++i)
            parent.Items(i)->ItemRect.Bottom = parent.Items(i)->ItemRect.Top + tallest;
        return {x - origin.X, tallest};
    }
    for (int i = 0; i < parent.Count(); ++i) {
        TTeItem& item = *parent.Items(i);
        if (!item.ItemRect.IsEmpty())
            item.ItemRect.Right = item.ItemRect.Left + widest;
    }
    return {widest, y - origin.Y + (scrolling ? kMenuScrollButtonHeight : 0)};
}

TRect TMenuDrawer::PopupClientRect(const TRect& window) const
{
    if (theme_ != nullptr)
        return theme_->GetMenuClientRect(ThemeByte(TteMenuKind::kmkPopup), window, object_);
    return Rect(window.Left + 3, window.Top + 3, window.Right - 3, window.Bottom - 3);
}

void TMenuDrawer::DrawBar(TCanvas& canvas, const TRect& rect, TColor color) const
{
    if (theme_ != nullptr)
        theme_->DrawMenu(ThemeByte(TteMenuKind::kmkBar), canvas, rect, object_);
    else
        Fill(canvas, rect, color);
}

void TMenuDrawer::DrawPopupFrame(TCanvas& canvas, const TRect& window) const
{
    if (theme_ != nullptr) {
        theme_->DrawMenu(ThemeByte(TteMenuKind::kmkPopup), canvas, window, object_);
        return;
    }
    Fill(canvas, window, clMenu);
    Frame(canvas, window, clBtnFace, clBlack);
    Frame(canvas, Rect(window.Left + 1, window.Top + 1, window.Right - 1, window.Bottom - 1), clBtnHighlight, clBtnShadow);
    Frame(canvas, Rect(window.Left + 2, window.Top + 2, window.Right - 2, window.Bottom - 2), clMenu, clMenu);
}

void TMenuDrawer::DrawItem(TCanvas& canvas, const TTeItem& item, TteMenuItemState state) const
{
    if (kind_ == TteMenuKind::kmkBar)
        DrawBarItem(canvas, item, state);
    else
        DrawPopupItem(canvas, item, state);
}

void TMenuDrawer::DrawBarItem(TCanvas& canvas, const TTeItem& item, TteMenuItemState state) const
{
    const TRect& r = item.ItemRect;
    // The image takes the column at the item's left; the caption is centred in the rest.
    TRect caption = r;
    if (item.HasImage())
        caption.Left += ImageColumn(item);
    const TRect imageColumn = Rect(r.Left, r.Top, caption.Left, r.Bottom);
    SetFont(canvas, state);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (theme_ != nullptr) {
        const TtePartInfo part{r, ThemeByte(TteMenuItemPart::kmipItem), ThemeByte(state)};
        theme_->DrawMenuItem(ThemeByte(kind_), canvas, part, object_);
        if (item.HasImage())
            DrawImage(canvas, item, imageColumn, state);
        theme_->DrawMenuItemText(ThemeByte(kind_), canvas, part,
                                 MakeTextInfo(caption, item.Caption(), TteTextAlignment::ktaCenter, kTextSingleLine,
                                              TteTextRotation::ktrNone),
                                 object_);
        return;
    }
    if (state == TteMenuItemState::kmisSelected)
        Frame(canvas, r, clBtnShadow, clBtnHighlight);
    else if (state == TteMenuItemState::kmisHot)
        Frame(canvas, r, clBtnHighlight, clBtnShadow);
    if (item.HasImage())
        DrawImage(canvas, item, imageColumn, state);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect text = caption;
    canvas.DrawText(item.Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TMenuDrawer::DrawPopupItem(TCanvas& canvas, const TTeItem& item, TteMenuItemState state) const
{
    const TRect& r = item.ItemRect;
    const TRect imageColumn = Rect(r.Left, r.Top, r.Left + ImageColumn(item), r.Bottom);
    const TRect caption = Rect(imageColumn.Right + kCaptionGap, r.Top, r.Right - kArrowColumn, r.Bottom);
    const TRect arrow = Rect(r.Right - kArrowColumn, r.Top, r.Right - 2, r.Bottom);
    const QString shortCut = item.ShortCut() != 0 ? ShortCutText(item.ShortCut()) : QString();
    if (theme_ != nullptr) {
        const TteKind kind = ThemeByte(kind_);
        if (item.IsLine()) {
            theme_->DrawMenuItem(kind, canvas, TtePartInfo{r, ThemeByte(TteMenuItemPart::kmipSeparator), 0}, object_);
            return;
        }
        const TtePartInfo part{r, ThemeByte(TteMenuItemPart::kmipItem), ThemeByte(state)};
        theme_->DrawMenuItem(kind, canvas, part, object_);
        SetFont(canvas, state);
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        if (item.HasImage())
            DrawImage(canvas, item, imageColumn, state);
        else if (item.Checked())
            theme_->DrawMenuItemGlyph(
                kind, canvas, part,
                TteGlyphInfo{imageColumn, nullptr, 4, item.RadioItem() ? TteGlyphKind::kgkRadio : TteGlyphKind::kgkCheck},
                object_);
        theme_->DrawMenuItemText(kind, canvas, part,
                                 MakeTextInfo(caption, item.Caption(), TteTextAlignment::ktaMiddleLeft, kTextSingleLine,
                                              TteTextRotation::ktrNone),
                                 object_);
        if (!shortCut.isEmpty())
            theme_->DrawMenuItemText(kind, canvas, part,
                                     MakeTextInfo(caption, shortCut, TteTextAlignment::ktaMiddleRight,
                                                  kTextSingleLine | kTextNoPrefix, TteTextRotation::ktrNone),
                                     object_);
        if (item.Count() > 0)
            theme_->DrawMenuItemGlyph(kind, canvas, part,
                                      TteGlyphInfo{arrow, nullptr, 4, TteGlyphKind::kgkSubMenuArrow}, object_);
        return;
    }
    const bool highlighted = state == TteMenuItemState::kmisHot || state == TteMenuItemState::kmisSelected;
    Fill(canvas, r, highlighted ? clHighlight : clMenu);
    if (item.IsLine()) {
        const int middle = (r.Top + r.Bottom) / 2;
        Fill(canvas, Rect(r.Left + 1, middle - 1, r.Right - 1, middle), clBtnShadow);
        Fill(canvas, Rect(r.Left + 1, middle, r.Right - 1, middle + 1), clBtnHighlight);
        return;
    }
    SetFont(canvas, state);
    const TColor ink = canvas.Font()->Color();
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (item.HasImage())
        DrawImage(canvas, item, imageColumn, state);
    else if (item.Checked())
        DrawFrameGlyph(canvas, Rect(imageColumn.Left + 3, r.Top + (r.Height() - 16) / 2 + 1, imageColumn.Right, r.Bottom),
                       DFC_MENU, item.RadioItem() ? DFCS_MENUBULLET : DFCS_MENUCHECK, ink);
    TRect text = caption;
    canvas.DrawText(item.Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!shortCut.isEmpty()) {
        text = caption;
        canvas.DrawText(shortCut, text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
    if (item.Count() > 0)
        DrawFrameGlyph(canvas, Rect(arrow.Left + 3, r.Top + (r.Height() - 16) / 2 + 1, arrow.Right, r.Bottom), DFC_MENU,
                       DFCS_MENUARROW, ink);
}

void TMenuDrawer::DrawScrollButton(TCanvas& canvas, const TRect& rect, bool up, TteMenuItemState state) const
{
    if (theme_ != nullptr) {
        const TteMenuItemPart part = up ? TteMenuItemPart::kmipScrollUp : TteMenuItemPart::kmipScrollDown;
        theme_->DrawMenuItem(ThemeByte(kind_), canvas, TtePartInfo{rect, ThemeByte(part), ThemeByte(state)}, object_);
        return;
    }
    Fill(canvas, rect, clMenu);
    if (state == TteMenuItemState::kmisSelected)
        Frame(canvas, rect, clBtnHighlight, clBtnShadow);
    SetFont(canvas, TteMenuItemState::kmisNormal);
    const int cx = (rect.Left + rect.Right) / 2;
    const int top = (rect.Top + rect.Bottom) / 2 - 2;
    // A 7 x 4 triangle: rows of 7, 5, 3, 1 (pointing up: reversed).
    for (int row = 0; row < 4; ++row) {
        const int half = up ? row : 3 - row;
        Fill(canvas, Rect(cx - half, top + row, cx + half + 1, top + row + 1), canvas.Font()->Color());
    }
}
