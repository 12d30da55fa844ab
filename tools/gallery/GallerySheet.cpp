// Layout of the gallery sheet, its labels, and the window-frame and button sections.
#include "tools/gallery/GallerySheet.h"

#include <algorithm>

#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "theme/Theme.h"

namespace {

constexpr int kMargin = 12;
constexpr TColor kPage = 0x00F4F4F4;
constexpr TColor kInk = 0x00303030;
constexpr TColor kNote = 0x002020C0;
constexpr TColor kRule = 0x00C8C8C8;
constexpr int kTallest = 4000;

const QString kDefault = QStringLiteral("default");

// The note picture: a blue disc with a white stem on a key-transparent ground, 16 × 16.
void MakeGlyph(TteBitmap& glyph)
{
    glyph.SetSize(16, 16);
    glyph.Fill(TransparentKey | 0xFF000000u);
    TCanvas& canvas = glyph.Canvas();
    FillRoundRect(canvas, {2, 8, 10, 15}, 7, 0x00B05020);
    FillRectColor(canvas, {8, 1, 10, 11}, 0x00B05020);
    FillRectColor(canvas, {10, 1, 14, 3}, 0x00B05020);
    glyph.SetTransparent(true);
}

} // namespace

TGallerySheet::TGallerySheet(TteTheme& theme, TCanvas& canvas) : theme_(theme), canvas_(canvas)
{
    MakeGlyph(glyph_);
}

void TGallerySheet::Render(TteTheme& theme, TteBitmap& sheet)
{
    TteBitmap page;
    page.SetSize(kWidth, kTallest);
    TCanvas& canvas = page.Canvas();
    FillRectColor(canvas, page.BoundsRect(), kPage);
    TGallerySheet gallery(theme, canvas);

    canvas.SetBkMode(TBackgroundMode::bmTransparent);
    canvas.Font()->SetName(QStringLiteral("Tahoma"));
    canvas.Font()->SetSize(12);
    canvas.Font()->SetColor(kInk);
    canvas.Font()->SetStyle({TFontStyle::fsBold});
    canvas.TextOut(kMargin, gallery.y_, QStringLiteral("%1 — %2 (hue %3, brightness %4)")
                                            .arg(theme.ThemeClass().GetThemeKindName(), theme.Name())
                                            .arg(theme.DeltaHue())
                                            .arg(theme.DeltaBrightness()));
    gallery.NextBand(28);

    gallery.Forms();
    gallery.CaptionButtons();
    gallery.Buttons();
    gallery.CheckBoxes();
    gallery.ScrollBars();
    gallery.ProgressBars();
    gallery.TrackBars();
    gallery.Headers();
    gallery.StatusBars();
    gallery.Edits();
    gallery.GroupBoxes();
    gallery.Menus();
    gallery.ToolBars();
    gallery.Tabs();
    gallery.ListsAndGrids();
    gallery.Panels();
    gallery.Texts();

    sheet.SetSize(kWidth, gallery.y_ + kMargin);
    page.Draw(sheet, 0, 0, sheet.BoundsRect());
}

void TGallerySheet::NextBand(int height) { y_ += height; }

void TGallerySheet::Heading(const QString& title, bool themed)
{
    y_ += 6;
    FillRectColor(canvas_, {kMargin, y_ + 17, kWidth - kMargin, y_ + 18}, kRule);
    canvas_.SetBkMode(TBackgroundMode::bmTransparent);
    canvas_.Font()->SetName(QStringLiteral("Tahoma"));
    canvas_.Font()->SetSize(9);
    canvas_.Font()->SetStyle({TFontStyle::fsBold});
    canvas_.Font()->SetColor(kInk);
    canvas_.TextOut(kMargin, y_ + 1, title);
    if (!themed) {
        const int x = kMargin + canvas_.TextWidth(title) + 10;
        canvas_.Font()->SetStyle({});
        canvas_.Font()->SetColor(kNote);
        canvas_.TextOut(x, y_ + 1, QStringLiteral("not themed by this kind (controls draw themselves); shown as drawn"));
    }
    y_ += 24;
}

void TGallerySheet::Label(const TRect& rect, const QString& text, unsigned format)
{
    canvas_.SetBkMode(TBackgroundMode::bmTransparent);
    canvas_.Font()->SetName(QStringLiteral("Tahoma"));
    canvas_.Font()->SetSize(7);
    canvas_.Font()->SetStyle({});
    canvas_.Font()->SetColor(kInk);
    TRect r = rect;
    canvas_.DrawText(text, r, format | DT_NOPREFIX);
}

void TGallerySheet::LabelBelow(const TRect& element, const QString& text)
{
    // Narrow elements still get room for a few words, centred under them.
    const int middle = (element.Left + element.Right) / 2;
    const int half = std::max(element.Width() / 2 + 20, 60);
    Label({middle - half, element.Bottom + 2, middle + half, element.Bottom + 16}, text, DT_CENTER | DT_SINGLELINE);
}

void TGallerySheet::UseFont(int index)
{
    canvas_.SetFont(theme_.Fonts()->GetFont(index));
    canvas_.SetBkMode(TBackgroundMode::bmTransparent);
}

void TGallerySheet::Forms()
{
    Heading(QStringLiteral("Window frames"), theme_.IsFormAvailable(TteFormKind::kfkStandard, kDefault));
    struct TSample {
        TteFormKind Kind;
        bool Active;
        const char* Name;
    };
    static constexpr TSample kSamples[] = {
        {TteFormKind::kfkStandard, true, "standard, active"},
        {TteFormKind::kfkStandard, false, "standard, inactive"},
        {TteFormKind::kfkToolWindow, true, "tool window"},
        {TteFormKind::kfkFrame, true, "frame, no caption"},
    };
    int x = kMargin;
    for (const TSample& sample : kSamples) {
        const int width = sample.Kind == TteFormKind::kfkStandard ? 300 : 180;
        TteWindowInfo info;
        info.Rect = {0, 0, width, 96};
        info.Active = sample.Active;
        info.Caption = QStringLiteral("Trackwell");
        if (sample.Kind == TteFormKind::kfkStandard)
            info.Buttons = {TteFormButton::kfbSysMenu, TteFormButton::kfbClose,  TteFormButton::kfbHelp,
                            TteFormButton::kfbMinimize, TteFormButton::kfbMaximize, TteFormButton::kfbRollUp,
                            TteFormButton::kfbTray};
        else if (sample.Kind == TteFormKind::kfkToolWindow)
            info.Buttons = {TteFormButton::kfbClose};

        // The frame is drawn in window coordinates, so the origin moves to the sample's place.
        const TPoint origin = canvas_.WindowOrg();
        canvas_.SetWindowOrg(origin.X - x, origin.Y - y_);
        theme_.DrawForm(sample.Kind, canvas_, info, kDefault);
        const TRect client = theme_.GetFormClientRect(sample.Kind, info, kDefault);
        theme_.DrawFormBackground(sample.Kind, canvas_, client, kDefault);
        // As a window does, the caption text is kept clear of the caption buttons.
        TRect caption = theme_.GetFormCaptionRect(sample.Kind, info, kDefault);
        for (int code = 1; code <= 9; ++code) {
            const TRect button = theme_.GetFormButtonRect(sample.Kind, info, static_cast<TteFormButton>(code), kDefault);
            if (!button.IsEmpty())
                caption.Right = std::min(caption.Right, button.Left);
        }
        if (!caption.IsEmpty())
            theme_.DrawFormCaptionText(sample.Kind, canvas_, info, caption, kDefault);
        for (int code = 0; code <= 9; ++code) {
            TteFormButtonInfo button;
            button.Button = static_cast<TteFormButton>(code);
            button.Rect = theme_.GetFormButtonRect(sample.Kind, info, button.Button, kDefault);
            button.State = sample.Active ? TteFormButtonState::kfbsNormal : TteFormButtonState::kfbsInactive;
            button.Glyph = &glyph_;
            theme_.DrawFormButton(sample.Kind, canvas_, button, kDefault);
        }
        TteElementInfo grip{{client.Right - 16, client.Bottom - 16, client.Right, client.Bottom}, 1};
        theme_.DrawFormGrip(sample.Kind, canvas_, grip, kDefault);
        canvas_.SetWindowOrg(origin.X, origin.Y);
        LabelBelow({x, y_, x + width, y_ + 96}, QString::fromLatin1(sample.Name));
        x += width + 16;
    }
    NextBand(96 + 20);
}

void TGallerySheet::CaptionButtons()
{
    Heading(QStringLiteral("Caption buttons (states: normal, hot, pressed, inactive)"),
            theme_.IsFormAvailable(TteFormKind::kfkStandard, kDefault));
    static const char* const kNames[] = {"system menu", "close", "help", "minimize", "restore (min)",
                                         "maximize",    "restore", "roll up", "roll down", "tray"};
    int x = kMargin;
    for (int code = 0; code <= 9; ++code) {
        for (int state = 0; state <= 3; ++state) {
            TteFormButtonInfo button;
            button.Rect = {x + state * 24, y_, x + state * 24 + 22, y_ + 18};
            button.Button = static_cast<TteFormButton>(code);
            button.State = static_cast<TteFormButtonState>(state);
            button.Glyph = &glyph_;
            theme_.DrawFormButton(TteFormKind::kfkStandard, canvas_, button, kDefault);
        }
        LabelBelow({x, y_, x + 94, y_ + 18}, QString::fromLatin1(kNames[code]));
        x += 102;
        if (code == 4 || code == 9) {
            x = kMargin;
            NextBand(40);
        }
    }
}

void TGallerySheet::Buttons()
{
    Heading(QStringLiteral("Buttons"), theme_.IsButtonAvailable(0, kDefault));
    struct TState {
        std::uint8_t State;
        int Font;
        const char* Name;
    };
    static constexpr TState kStates[] = {{0, 10, "normal"}, {1, 12, "hot"},     {2, 11, "pressed"},
                                         {3, 14, "disabled"}, {4, 13, "focused"}, {6, 10, "default"}};
    int x = kMargin;
    for (const TState& state : kStates) {
        const TteElementInfo info{{x, y_, x + 88, y_ + 25}, state.State};
        theme_.DrawButton(0, canvas_, info, kDefault);
        UseFont(state.Font);
        TteGlyphInfo glyph{{x + 6, y_ + 4, x + 22, y_ + 20}, &glyph_, 4, TteGlyphKind::kgkImage};
        theme_.DrawButtonGlyph(0, canvas_, info, glyph, kDefault);
        theme_.DrawButtonText(0, canvas_, info,
                              MakeTextInfo({x + 20, y_, x + 88, y_ + 25}, QStringLiteral("&Start"),
                                           TteTextAlignment::ktaCenter, kTextSingleLine, TteTextRotation::ktrNone),
                              kDefault);
        LabelBelow(info.Rect, QString::fromLatin1(state.Name));
        x += 100;
    }
    // Spin and speed-button arrows: kinds 4-7 in the states normal, hot, pressed, disabled.
    x += 10;
    for (int kind = 4; kind <= 7; ++kind) {
        for (int state = 0; state <= 3; ++state)
            theme_.DrawButton(kind, canvas_, {{x + state * 18, y_ + 4, x + state * 18 + 16, y_ + 20},
                                              static_cast<std::uint8_t>(state)}, kDefault);
        x += 76;
    }
    LabelBelow({x - 4 * 76, y_, x - 4, y_ + 25}, QStringLiteral("spin up, down, left, right × normal, hot, pressed, disabled"));
    NextBand(25 + 22);
}

void TGallerySheet::CheckBoxes()
{
    Heading(QStringLiteral("Check boxes and radio buttons"), theme_.IsCheckBoxAvailable(0, kDefault));
    static const char* const kRows[] = {"checked", "clear", "mixed"};
    static const char* const kStates[] = {"normal", "hot", "pressed", "disabled"};
    const TSize box = theme_.GetCheckBoxSize(0, kDefault);
    for (int kind = 0; kind <= 1; ++kind) {
        int x = kMargin + kind * 512;
        for (int row = 0; row < (kind == 0 ? 3 : 2); ++row) {
            for (int state = 0; state <= 3; ++state) {
                const int cx = x + state * 126;
                const int cy = y_ + row * 22;
                const TteElementInfo info{{cx, cy, cx + box.cx, cy + box.cy},
                                          static_cast<std::uint8_t>(row * 5 + state)};
                theme_.DrawCheckBox(kind, canvas_, info, kDefault);
                UseFont(state == 3 ? 19 : 15 + (state == 0 ? 0 : state == 1 ? 2 : 1));
                theme_.DrawCheckBoxText(
                    kind, canvas_, {info.Rect, static_cast<std::uint8_t>(state)},
                    MakeTextInfo({cx + box.cx + 4, cy - 2, cx + 124, cy + box.cy + 2},
                                 QStringLiteral("%1 %2").arg(QString::fromLatin1(kRows[row]),
                                                             QString::fromLatin1(kStates[state])),
                                 TteTextAlignment::ktaMiddleLeft, kTextSingleLine, TteTextRotation::ktrNone),
                    kDefault);
            }
        }
    }
    NextBand(3 * 22 + 6);
}

void TGallerySheet::ScrollBars()
{
    Heading(QStringLiteral("Scroll bars (states: normal, pressed, hot, disabled)"),
            theme_.IsScrollBarAvailable(0, kDefault));
    struct TPart {
        std::uint8_t Part;
        int Width;
        int Height;
        const char* Name;
    };
    static constexpr TPart kParts[] = {{0, 17, 17, "up"},   {1, 17, 17, "down"},        {4, 17, 17, "left"},
                                       {5, 17, 17, "right"}, {8, 40, 17, "horiz. thumb"}, {9, 17, 40, "vert. thumb"}};
    int x = kMargin;
    for (const TPart& part : kParts) {
        for (int state = 0; state <= 3; ++state) {
            const int px = x + state * (part.Width + 3);
            theme_.DrawScrollBarPart(0, canvas_, {{px, y_, px + part.Width, y_ + part.Height}, part.Part,
                                                  static_cast<std::uint8_t>(state)}, kDefault);
        }
        LabelBelow({x, y_, x + 4 * (part.Width + 3) - 3, y_ + part.Height}, QString::fromLatin1(part.Name));
        x += 4 * (part.Width + 3) + 14;
    }
    // Whole bars: a horizontal one and a vertical one from their parts and tracks.
    const int hx = x;
    theme_.DrawScrollBarFrame(0, canvas_, {hx - 1, y_ - 1, hx + 171, y_ + 18}, kDefault);
    theme_.DrawScrollBarTrack(0, canvas_, {{hx + 17, y_, hx + 153, y_ + 17}, 1, 0}, kDefault);
    theme_.DrawScrollBarPart(0, canvas_, {{hx, y_, hx + 17, y_ + 17}, 4, 0}, kDefault);
    theme_.DrawScrollBarPart(0, canvas_, {{hx + 60, y_, hx + 100, y_ + 17}, 8, 2}, kDefault);
    theme_.DrawScrollBarPart(0, canvas_, {{hx + 153, y_, hx + 170, y_ + 17}, 5, 0}, kDefault);
    LabelBelow({hx, y_, hx + 170, y_ + 17}, QStringLiteral("horizontal bar, hot thumb"));
    const int vx = hx + 190;
    theme_.DrawScrollBarTrack(0, canvas_, {{vx, y_ + 17, vx + 17, y_ + 63}, 0, 0}, kDefault);
    theme_.DrawScrollBarPart(0, canvas_, {{vx, y_, vx + 17, y_ + 17}, 0, 0}, kDefault);
    theme_.DrawScrollBarPart(0, canvas_, {{vx, y_ + 25, vx + 17, y_ + 45}, 9, 1}, kDefault);
    theme_.DrawScrollBarPart(0, canvas_, {{vx, y_ + 63, vx + 17, y_ + 80}, 1, 0}, kDefault);
    NextBand(84);
}

void TGallerySheet::ProgressBars()
{
    Heading(QStringLiteral("Progress bars"), theme_.IsProgressBarAvailable(0, kDefault));
    struct TBar {
        std::uint8_t Frame;
        std::uint8_t Fill;
        const char* Name;
    };
    static constexpr TBar kBars[] = {{1, 3, "horizontal, chunked"}, {1, 5, "horizontal, smooth"},
                                     {0, 2, "vertical, chunked"},   {0, 4, "vertical, smooth"}};
    int x = kMargin;
    for (const TBar& bar : kBars) {
        const bool horizontal = bar.Frame == 1;
        const TRect frame = horizontal ? TRect{x, y_, x + 200, y_ + 18} : TRect{x, y_, x + 18, y_ + 60};
        theme_.DrawProgressBar(0, canvas_, {frame, bar.Frame, 0}, kDefault);
        const TRect inner = theme_.GetProgressBarClientRect(0, frame, kDefault);
        const TRect client{inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
        const TRect filled = horizontal ? TRect{client.Left, client.Top, client.Left + client.Width() * 3 / 5, client.Bottom}
                                        : TRect{client.Left, client.Bottom - client.Height() * 3 / 5, client.Right, client.Bottom};
        theme_.DrawProgressBar(0, canvas_, {filled, bar.Fill, 0}, kDefault);
        LabelBelow(frame, QString::fromLatin1(bar.Name));
        x += (horizontal ? 200 : 18) + 60;
    }
    NextBand(60 + 20);
}

void TGallerySheet::TrackBars()
{
    Heading(QStringLiteral("Track bars (thumb states: normal, hot, pressed, focused, disabled)"),
            theme_.IsTrackBarAvailable(0, kDefault));
    int x = kMargin;
    for (int state = 0; state <= 1; ++state) {
        const TRect back{x, y_, x + 160, y_ + 30};
        theme_.DrawTrackBar(0, canvas_, back, kDefault);
        theme_.DrawTrackBarTrack(0, canvas_, {{x, y_ + 10, x + 160, y_ + 20}, 1, static_cast<std::uint8_t>(state)}, kDefault);
        theme_.DrawTrackBarThumb(0, canvas_, {{x + 60, y_ + 3, x + 71, y_ + 27}, 3, static_cast<std::uint8_t>(state == 0 ? 0 : 4)}, kDefault);
        LabelBelow(back, state == 0 ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        x += 180;
    }
    theme_.DrawTrackBarTrack(0, canvas_, {{x, y_ - 6, x + 10, y_ + 44}, 0, 0}, kDefault);
    theme_.DrawTrackBarThumb(0, canvas_, {{x - 7, y_ + 10, x + 17, y_ + 21}, 0, 0}, kDefault);
    x += 40;
    static const char* const kThumbs[] = {"vert. both", "vert. right", "vert. left", "horiz. both", "horiz. down", "horiz. up"};
    for (int part = 0; part <= 5; ++part) {
        const bool vertical = part <= 2;
        for (int state = 0; state <= 4; ++state) {
            const int tx = x + state * (vertical ? 24 : 13);
            const TRect thumb = vertical ? TRect{tx, y_ + 8, tx + 22, y_ + 19} : TRect{tx, y_, tx + 11, y_ + 22};
            theme_.DrawTrackBarThumb(0, canvas_, {thumb, static_cast<std::uint8_t>(part), static_cast<std::uint8_t>(state)}, kDefault);
        }
        LabelBelow({x, y_ + 8, x + 5 * (vertical ? 24 : 13), y_ + 22}, QString::fromLatin1(kThumbs[part]));
        x += 5 * (vertical ? 24 : 13) + 6;
        if (part == 2) {
            x = kMargin + 400;
            NextBand(42);
        }
    }
    NextBand(44);
}
