// The visual-style theme's bars: scroll bars with their squeezable thumbs and grippers, progress bars,
// track bars, headers and status bars.
#include <optional>

#include "graphics/Bitmap.h"
#include "graphics/BitmapLink.h"
#include "graphics/RectUtils.h"
#include "themes/MsStylesDraw.h"
#include "themes/MsStylesTheme.h"

using enum TMsElement;

namespace {

// Scroll-bar states to the frames of a strip ordered normal, hot, pressed, disabled.
constexpr TteEnumTable<TteScrollBarState, int> kScrollFrames{0,
                                                             {{TteScrollBarState::ksbsNormal, 1},
                                                              {TteScrollBarState::ksbsPressed, 3},
                                                              {TteScrollBarState::ksbsHot, 2},
                                                              {TteScrollBarState::ksbsDisabled, 4}}};

// What a thumb squeezed below its frame's width (or height) starts from where the thumb leaves it
// uncovered.
constexpr TteColor kSqueezedThumbGround = 0x99999900;

bool HasPicture(const TteBitmapLink& link) { return link.Bitmap() != nullptr && !link.Bitmap()->Empty(); }

// The thumb of a track bar part; null for bytes that name none.
TmsuxThemeObject* ThumbOfPart(const TTeThemeMsStyles& theme, std::uint8_t part)
{
    using enum TteTrackBarThumb;
    static constexpr TteEnumTable<TteTrackBarThumb, std::optional<TMsElement>> kThumbs{
        std::nullopt,
        {{ktbtVertBoth, TrackBarThumbVert},
         {ktbtVertRight, TrackBarThumbRight},
         {ktbtVertLeft, TrackBarThumbLeft},
         {ktbtHorzBoth, TrackBarThumb},
         {ktbtHorzDown, TrackBarThumbBottom},
         {ktbtHorzUp, TrackBarThumbTop}}};
    const std::optional<TMsElement> thumb = kThumbs[ThemeEnum<TteTrackBarThumb>(part)];
    return thumb ? &theme.Element(*thumb) : nullptr;
}

// Thumb states are the strip's frames in order.
constexpr TteEnumTable<TteTrackBarThumbState, int> kThumbFrames{0,
                                                                {{TteTrackBarThumbState::ktbtsNormal, 1},
                                                                 {TteTrackBarThumbState::ktbtsHot, 2},
                                                                 {TteTrackBarThumbState::ktbtsPressed, 3},
                                                                 {TteTrackBarThumbState::ktbtsFocused, 4},
                                                                 {TteTrackBarThumbState::ktbtsDisabled, 5}}};

constexpr TteEnumTable<TteHeaderState, int> kHeaderFrames{0,
                                                          {{TteHeaderState::khsNormal, 1},
                                                           {TteHeaderState::khsDraggedOut, 1},
                                                           {TteHeaderState::khsDisabled, 1},
                                                           {TteHeaderState::khsDragging, 2},
                                                           {TteHeaderState::khsHot, 2},
                                                           {TteHeaderState::khsPressed, 3},
                                                           {TteHeaderState::khsUnderDrag, 3}}};

}  // namespace

TRect TTeThemeMsStyles::DrawnImageRect(TmsuxThemeObject& element, const TRect& rect, int frame) const
{
    element.LastImage = nullptr;
    DrawElementFrame(element, scratch_->Canvas(), rect, frame);
    return element.LastImage != nullptr ? element.LastImage->Rect() : TRect{};
}

// Scroll bar.

bool TTeThemeMsStyles::IsScrollBarAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsScrollBarTransparent(TteKind, const QString&) { return false; }
void TTeThemeMsStyles::DrawScrollBarFrame(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeThemeMsStyles::DrawScrollBarPart(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    using enum TteScrollBarPart;
    const int frame = kScrollFrames[ThemeEnum<TteScrollBarState>(info.State)];
    if (frame == 0)
        return;
    // "ScrollBar.ArrowBtn" holds four rows of four states: up, down, left, right.
    switch (ThemeEnum<TteScrollBarPart>(info.Part)) {
    case ksbpUpArrow: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame); break;
    case ksbpDownArrow: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame + 4); break;
    case ksbpLeftArrow: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame + 8); break;
    case ksbpRightArrow: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame + 12); break;
    case ksbpHorzThumb: case ksbpVertThumb: DrawScrollThumb(canvas, info, frame); break;
    default: break;
    }
}

void TTeThemeMsStyles::DrawScrollThumb(TCanvas& canvas, const TtePartInfo& info, int frame)
{
    const bool horizontal = ThemeEnum<TteScrollBarPart>(info.Part) == TteScrollBarPart::ksbpHorzThumb;
    const TRect& rect = info.Rect;
    if (rect.IsEmpty())
        return;
    TmsuxThemeObject& thumb = Element(horizontal ? ScrollBarThumbBtnHorz : ScrollBarThumbBtnVert);
    const TRect image = DrawnImageRect(thumb, rect, frame);
    const bool squeezed = horizontal ? rect.Width() < image.Width() : rect.Height() < image.Height();
    if (squeezed) {
        // Drawn at its frame's length and scaled down whole, so its end caps shrink with it instead of
        // overlapping.
        TteBitmap full;
        full.SetSize(horizontal ? image.Width() : rect.Width(), horizontal ? rect.Height() : image.Height());
        full.Fill(kSqueezedThumbGround);
        DrawElementFrame(thumb, full.Canvas(), full.BoundsRect(), frame);
        full.SetAlphaBlend(true);
        full.Draw(canvas, rect);
    } else {
        DrawElementFrame(thumb, canvas, rect, frame);
    }

    // The gripper only where it fits inside the thumb.
    TmsuxThemeObject& gripper = Element(horizontal ? ScrollBarGripperHorz : ScrollBarGripperVert);
    if (!HasPicture(gripper.ImageFile))
        return;
    const TSize grip = gripper.FrameSize();
    if (grip.cx < rect.Width() && grip.cy < rect.Height())
        DrawElementFrame(gripper, canvas, rect, frame);
}

void TTeThemeMsStyles::DrawScrollBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const auto track = ThemeEnum<TteScrollBarTrack>(info.Part);
    if (track == TteScrollBarTrack::ksbtVertical)
        DrawElementFrame(Element(ScrollBarUpperTrackVert), canvas, info.Rect, 1);
    else if (track == TteScrollBarTrack::ksbtHorizontal)
        DrawElementFrame(Element(ScrollBarUpperTrackHorz), canvas, info.Rect, 1);
}

// Progress bar.

bool TTeThemeMsStyles::IsProgressBarAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsProgressBarTransparent(TteKind, const QString&) { return false; }

void TTeThemeMsStyles::DrawProgressBar(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Chunked and smooth fills look alike.
    using enum TteProgressBarPart;
    static constexpr TteEnumTable<TteProgressBarPart, std::optional<TMsElement>> kParts{
        std::nullopt,
        {{kpbpVertFrame, ProgressBarVert},
         {kpbpHorzFrame, ProgressBar},
         {kpbpVertChunks, ProgressChunkVert},
         {kpbpHorzChunks, ProgressChunk},
         {kpbpVertSmooth, ProgressChunkVert},
         {kpbpHorzSmooth, ProgressChunk}}};
    if (const std::optional<TMsElement> element = kParts[ThemeEnum<TteProgressBarPart>(info.Part)])
        DrawElementFrame(Element(*element), canvas, info.Rect, 1);
}

// Track bar.

bool TTeThemeMsStyles::IsTrackBarAvailable(TteKind, const QString&) { return Element(TrackBar).IsLoaded(); }
bool TTeThemeMsStyles::IsTrackBarTransparent(TteKind, const QString&) { return true; }
void TTeThemeMsStyles::DrawTrackBar(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeThemeMsStyles::DrawTrackBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const auto track = ThemeEnum<TteTrackBarTrack>(info.Part);
    if (track == TteTrackBarTrack::ktbtVertical)
        DrawElementFrame(Element(TrackBarTrackVert), canvas, info.Rect, 1);
    else if (track == TteTrackBarTrack::ktbtHorizontal)
        DrawElementFrame(Element(TrackBarTrack), canvas, info.Rect, 1);
}

void TTeThemeMsStyles::DrawTrackBarThumb(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const int frame = kThumbFrames[ThemeEnum<TteTrackBarThumbState>(info.State)];
    if (TmsuxThemeObject* thumb = ThumbOfPart(*this, info.Part); thumb != nullptr && frame != 0)
        DrawElementFrame(*thumb, canvas, info.Rect, frame);
}

TPoint TTeThemeMsStyles::GetTrackBarThumbSize(TteKind, TCanvas&, const TtePartInfo& info, const QString&)
{
    TmsuxThemeObject* thumb = ThumbOfPart(*this, info.Part);
    if (thumb == nullptr || thumb->SizingType != TmsuxThemeObject::kstTrueSize)
        return {0, 0};
    const TRect image = DrawnImageRect(*thumb, TRect{0, 0, 10, 10}, 1);
    return {image.Width(), image.Height()};
}

// Header.

bool TTeThemeMsStyles::IsHeaderAvailable(TteKind, const QString&) { return Element(Header).IsLoaded(); }

void TTeThemeMsStyles::DrawHeader(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(Header), canvas, rect, 1);
}

void TTeThemeMsStyles::DrawHeaderSection(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    DrawElementFrame(Element(HeaderHeaderitem), canvas, info.Rect,
                     kHeaderFrames[ThemeEnum<TteHeaderState>(info.State)]);
}

// Status bar.

bool TTeThemeMsStyles::IsStatusBarAvailable(TteKind, const QString&) { return Element(Status).IsLoaded(); }

TRect TTeThemeMsStyles::GetStatusBarClientRect(TteKind, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeThemeMsStyles::DrawStatusBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawElementFrame(Element(Status), canvas, rect, 1);
}

void TTeThemeMsStyles::DrawStatusPanel(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    // The state byte is the panel kind.
    using enum TteStatusPanel;
    switch (ThemeEnum<TteStatusPanel>(info.State)) {
    case kspPanel: case kspNotProduced1: DrawElementFrame(Element(StatusPane), canvas, info.Rect, 1); break;
    case kspGripPanel: DrawElementFrame(Element(StatusGripperpane), canvas, info.Rect, 1); break;
    case kspGrip: DrawElementFrame(Element(StatusGripper), canvas, info.Rect, 1); break;
    default: break;
    }
}
