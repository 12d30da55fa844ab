// The visual-style theme's bars: scroll bars with their squeezable thumbs and grippers, progress bars,
// track bars, headers and status bars.
#include "graphics/Bitmap.h"
#include "graphics/BitmapLink.h"
#include "graphics/RectUtils.h"
#include "themes/MsStylesDraw.h"
#include "themes/MsStylesTheme.h"

using enum TMsElement;

namespace {

// Scroll-bar states (0 normal, 1 pressed, 2 hot, 3 disabled) to the frames of a strip ordered normal,
// hot, pressed, disabled.
int ScrollStateFrame(std::uint8_t state)
{
    switch (state) {
    case 0: return 1;
    case 1: return 3;
    case 2: return 2;
    case 3: return 4;
    default: return 0;
    }
}

// What a thumb squeezed below its frame's width (or height) starts from where the thumb leaves it
// uncovered.
constexpr TteColor kSqueezedThumbGround = 0x99999900;

bool HasPicture(const TteBitmapLink& link) { return link.Bitmap() != nullptr && !link.Bitmap()->Empty(); }

// The thumb of track bar part 0-5; null for other parts.
TmsuxThemeObject* ThumbOfPart(const TTeThemeMsStyles& theme, std::uint8_t part)
{
    static constexpr TMsElement kThumbs[] = {TrackBarThumbVert,   TrackBarThumbRight,  TrackBarThumbLeft,
                                             TrackBarThumb,       TrackBarThumbBottom, TrackBarThumbTop};
    return part < std::size(kThumbs) ? &theme.Element(kThumbs[part]) : nullptr;
}

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
    const int frame = ScrollStateFrame(info.State);
    if (frame == 0)
        return;
    // "ScrollBar.ArrowBtn" holds four rows of four states: up, down, left, right.
    switch (info.Part) {
    case 0: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame); break;
    case 1: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame + 4); break;
    case 4: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame + 8); break;
    case 5: DrawElementFrame(Element(ScrollBarArrowBtn), canvas, info.Rect, frame + 12); break;
    case 8: case 9: DrawScrollThumb(canvas, info, frame); break;
    default: break;
    }
}

void TTeThemeMsStyles::DrawScrollThumb(TCanvas& canvas, const TtePartInfo& info, int frame)
{
    const bool horizontal = info.Part == 8;
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
    if (info.Part == 0)
        DrawElementFrame(Element(ScrollBarUpperTrackVert), canvas, info.Rect, 1);
    else if (info.Part == 1)
        DrawElementFrame(Element(ScrollBarUpperTrackHorz), canvas, info.Rect, 1);
}

// Progress bar.

bool TTeThemeMsStyles::IsProgressBarAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsProgressBarTransparent(TteKind, const QString&) { return false; }

void TTeThemeMsStyles::DrawProgressBar(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Chunked and smooth fills look alike.
    static constexpr TMsElement kParts[] = {ProgressBarVert,   ProgressBar,       ProgressChunkVert,
                                            ProgressChunk,     ProgressChunkVert, ProgressChunk};
    if (info.Part < std::size(kParts))
        DrawElementFrame(Element(kParts[info.Part]), canvas, info.Rect, 1);
}

// Track bar.

bool TTeThemeMsStyles::IsTrackBarAvailable(TteKind, const QString&) { return Element(TrackBar).IsLoaded(); }
bool TTeThemeMsStyles::IsTrackBarTransparent(TteKind, const QString&) { return true; }
void TTeThemeMsStyles::DrawTrackBar(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeThemeMsStyles::DrawTrackBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    if (info.Part == 0)
        DrawElementFrame(Element(TrackBarTrackVert), canvas, info.Rect, 1);
    else if (info.Part == 1)
        DrawElementFrame(Element(TrackBarTrack), canvas, info.Rect, 1);
}

void TTeThemeMsStyles::DrawTrackBarThumb(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // States 0 normal, 1 hot, 2 pressed, 3 focused, 4 disabled are the strip's frames in order.
    if (TmsuxThemeObject* thumb = ThumbOfPart(*this, info.Part); thumb != nullptr && info.State <= 4)
        DrawElementFrame(*thumb, canvas, info.Rect, info.State + 1);
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
    // States 0 normal, 1 pressed, 2 dragged out, 3 dragging, 4 hot, 5 under drag, 6 disabled.
    int frame = 0;
    switch (info.State) {
    case 0: case 2: case 6: frame = 1; break;
    case 3: case 4: frame = 2; break;
    case 1: case 5: frame = 3; break;
    default: break;
    }
    DrawElementFrame(Element(HeaderHeaderitem), canvas, info.Rect, frame);
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
    // The state byte is the panel kind: 0 and 1 panel, 2 panel holding the grip, 3 the grip.
    switch (info.State) {
    case 0: case 1: DrawElementFrame(Element(StatusPane), canvas, info.Rect, 1); break;
    case 2: DrawElementFrame(Element(StatusGripperpane), canvas, info.Rect, 1); break;
    case 3: DrawElementFrame(Element(StatusGripper), canvas, info.Rect, 1); break;
    default: break;
    }
}
