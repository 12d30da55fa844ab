// Layout of the gallery sheet, its labels, and the window-frame and button sections.
#include "tools/gallery/GallerySheet.h"

#include <algorithm>

#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"

using enum TteThemeFont;

namespace {

constexpr int kMargin = 12;
constexpr TColor kPage = 0x00F4F4F4;
constexpr TColor kInk = 0x00303030;
constexpr TColor kNote = 0x002020C0;
constexpr TColor kRule = 0x00C8C8C8;
constexpr int kTallest = 4000;

const QString kDefault = QStringLiteral("default");

constexpr TteFormButton kCaptionButtons[] = {
    TteFormButton::kfbSysMenu,  TteFormButton::kfbClose,      TteFormButton::kfbHelp,     TteFormButton::kfbMinimize,
    TteFormButton::kfbMinRestore, TteFormButton::kfbMaximize, TteFormButton::kfbMaxRestore, TteFormButton::kfbRollUp,
    TteFormButton::kfbRollDown, TteFormButton::kfbTray,
};
constexpr TteFormButtonState kCaptionButtonStates[] = {TteFormButtonState::kfbsNormal, TteFormButtonState::kfbsHot,
                                                       TteFormButtonState::kfbsPressed, TteFormButtonState::kfbsInactive};

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

void TGallerySheet::UseFont(TteThemeFont font)
{
    canvas_.SetFont(theme_.Fonts()->GetFont(font));
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
        for (TteFormButton code : kCaptionButtons) {
            const TRect button = theme_.GetFormButtonRect(sample.Kind, info, code, kDefault);
            if (code != TteFormButton::kfbSysMenu && !button.IsEmpty())
                caption.Right = std::min(caption.Right, button.Left);
        }
        if (!caption.IsEmpty())
            theme_.DrawFormCaptionText(sample.Kind, canvas_, info, caption, kDefault);
        for (TteFormButton code : kCaptionButtons) {
            TteFormButtonInfo button;
            button.Button = code;
            button.Rect = theme_.GetFormButtonRect(sample.Kind, info, button.Button, kDefault);
            button.State = sample.Active ? TteFormButtonState::kfbsNormal : TteFormButtonState::kfbsInactive;
            button.Glyph = &glyph_;
            theme_.DrawFormButton(sample.Kind, canvas_, button, kDefault);
        }
        TteElementInfo grip{{client.Right - 16, client.Bottom - 16, client.Right, client.Bottom},
                            ThemeByte(TteFormGripState::kfgsSizeable)};
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
    for (TteFormButton code : kCaptionButtons) {
        int left = x;
        for (TteFormButtonState state : kCaptionButtonStates) {
            TteFormButtonInfo button;
            button.Rect = {left, y_, left + 22, y_ + 18};
            button.Button = code;
            button.State = state;
            button.Glyph = &glyph_;
            theme_.DrawFormButton(TteFormKind::kfkStandard, canvas_, button, kDefault);
            left += 24;
        }
        LabelBelow({x, y_, x + 94, y_ + 18}, QString::fromLatin1(kNames[static_cast<int>(code)]));
        x += 102;
        if (code == TteFormButton::kfbMinRestore || code == TteFormButton::kfbTray) {
            x = kMargin;
            NextBand(40);
        }
    }
}

void TGallerySheet::Buttons()
{
    constexpr TteKind kPush = ThemeByte(TteButtonKind::kbkPushButton);
    Heading(QStringLiteral("Buttons"), theme_.IsButtonAvailable(kPush, kDefault));
    using enum TteButtonState;
    static constexpr TStateSample<TteButtonState> kStates[] = {
        {kbsNormal, ktfButtonTextNormal, "normal"},     {kbsHot, ktfButtonTextHot, "hot"},
        {kbsPressed, ktfButtonTextPressed, "pressed"},  {kbsDisabled, ktfButtonTextDisabled, "disabled"},
        {kbsFocused, ktfButtonTextFocused, "focused"}, {kbsDefault, ktfButtonTextNormal, "default"}};
    int x = kMargin;
    for (const TStateSample<TteButtonState>& state : kStates) {
        const TteElementInfo info{{x, y_, x + 88, y_ + 25}, ThemeByte(state.State)};
        theme_.DrawButton(kPush, canvas_, info, kDefault);
        UseFont(state.Font);
        TteGlyphInfo glyph{{x + 6, y_ + 4, x + 22, y_ + 20}, &glyph_, 4, TteGlyphKind::kgkImage};
        theme_.DrawButtonGlyph(kPush, canvas_, info, glyph, kDefault);
        theme_.DrawButtonText(kPush, canvas_, info,
                              MakeTextInfo({x + 20, y_, x + 88, y_ + 25}, QStringLiteral("&Start"),
                                           TteTextAlignment::ktaCenter, kTextSingleLine, TteTextRotation::ktrNone),
                              kDefault);
        LabelBelow(info.Rect, QString::fromLatin1(state.Name));
        x += 100;
    }
    // Spin and speed-button arrows in the states normal, hot, pressed, disabled.
    x += 10;
    for (TteButtonKind kind : {TteButtonKind::kbkSpinUp, TteButtonKind::kbkSpinDown, TteButtonKind::kbkSpinLeft,
                               TteButtonKind::kbkSpinRight}) {
        int left = x;
        for (TteButtonState state : {kbsNormal, kbsHot, kbsPressed, kbsDisabled}) {
            theme_.DrawButton(ThemeByte(kind), canvas_, {{left, y_ + 4, left + 16, y_ + 20}, ThemeByte(state)}, kDefault);
            left += 18;
        }
        x += 76;
    }
    LabelBelow({x - 4 * 76, y_, x - 4, y_ + 25}, QStringLiteral("spin up, down, left, right × normal, hot, pressed, disabled"));
    NextBand(25 + 22);
}

void TGallerySheet::CheckBoxes()
{
    Heading(QStringLiteral("Check boxes and radio buttons"), theme_.IsCheckBoxAvailable(0, kDefault));
    using enum TteCheckState;
    static const char* const kRows[] = {"checked", "clear", "mixed"};
    static constexpr TteCheckState kRowStates[3][4] = {
        {kcsCheckedNormal, kcsCheckedHot, kcsCheckedPressed, kcsCheckedDisabled},
        {kcsUncheckedNormal, kcsUncheckedHot, kcsUncheckedPressed, kcsUncheckedDisabled},
        {kcsMixedNormal, kcsMixedHot, kcsMixedPressed, kcsMixedDisabled}};
    static constexpr TStateSample<TteCheckTextState> kTextStates[] = {
        {TteCheckTextState::kctsNormal, ktfCheckBoxTextNormal, "normal"},
        {TteCheckTextState::kctsHot, ktfCheckBoxTextHot, "hot"},
        {TteCheckTextState::kctsPressed, ktfCheckBoxTextPressed, "pressed"},
        {TteCheckTextState::kctsDisabled, ktfCheckBoxTextDisabled, "disabled"}};
    const TSize box = theme_.GetCheckBoxSize(ThemeByte(TteCheckBoxKind::kcbkCheckBox), kDefault);
    for (TteCheckBoxKind checkKind : {TteCheckBoxKind::kcbkCheckBox, TteCheckBoxKind::kcbkRadioButton}) {
        const TteKind kind = ThemeByte(checkKind);
        const bool radio = checkKind == TteCheckBoxKind::kcbkRadioButton;
        int x = kMargin + (radio ? 512 : 0);
        for (int row = 0; row < (radio ? 2 : 3); ++row) {
            for (int state = 0; state <= 3; ++state) {
                const int cx = x + state * 126;
                const int cy = y_ + row * 22;
                const TteElementInfo info{{cx, cy, cx + box.cx, cy + box.cy}, ThemeByte(kRowStates[row][state])};
                theme_.DrawCheckBox(kind, canvas_, info, kDefault);
                const TStateSample<TteCheckTextState>& text = kTextStates[state];
                UseFont(text.Font);
                theme_.DrawCheckBoxText(
                    kind, canvas_, {info.Rect, ThemeByte(text.State)},
                    MakeTextInfo({cx + box.cx + 4, cy - 2, cx + 124, cy + box.cy + 2},
                                 QStringLiteral("%1 %2").arg(QString::fromLatin1(kRows[row]),
                                                             QString::fromLatin1(text.Name)),
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
    using enum TteScrollBarPart;
    using enum TteScrollBarState;
    struct TPart {
        TteScrollBarPart Part;
        int Width;
        int Height;
        const char* Name;
    };
    static constexpr TPart kParts[] = {{ksbpUpArrow, 17, 17, "up"},        {ksbpDownArrow, 17, 17, "down"},
                                       {ksbpLeftArrow, 17, 17, "left"},    {ksbpRightArrow, 17, 17, "right"},
                                       {ksbpHorzThumb, 40, 17, "horiz. thumb"}, {ksbpVertThumb, 17, 40, "vert. thumb"}};
    const auto drawPart = [this](const TRect& rect, TteScrollBarPart part, TteScrollBarState state) {
        theme_.DrawScrollBarPart(0, canvas_, {rect, ThemeByte(part), ThemeByte(state)}, kDefault);
    };
    const auto drawTrack = [this](const TRect& rect, TteScrollBarTrack track) {
        theme_.DrawScrollBarTrack(0, canvas_, {rect, ThemeByte(track), ThemeByte(ksbsNormal)}, kDefault);
    };
    int x = kMargin;
    for (const TPart& part : kParts) {
        int px = x;
        for (TteScrollBarState state : {ksbsNormal, ksbsPressed, ksbsHot, ksbsDisabled}) {
            drawPart({px, y_, px + part.Width, y_ + part.Height}, part.Part, state);
            px += part.Width + 3;
        }
        LabelBelow({x, y_, x + 4 * (part.Width + 3) - 3, y_ + part.Height}, QString::fromLatin1(part.Name));
        x += 4 * (part.Width + 3) + 14;
    }
    // Whole bars: a horizontal one and a vertical one from their parts and tracks.
    const int hx = x;
    theme_.DrawScrollBarFrame(0, canvas_, {hx - 1, y_ - 1, hx + 171, y_ + 18}, kDefault);
    drawTrack({hx + 17, y_, hx + 153, y_ + 17}, TteScrollBarTrack::ksbtHorizontal);
    drawPart({hx, y_, hx + 17, y_ + 17}, ksbpLeftArrow, ksbsNormal);
    drawPart({hx + 60, y_, hx + 100, y_ + 17}, ksbpHorzThumb, ksbsHot);
    drawPart({hx + 153, y_, hx + 170, y_ + 17}, ksbpRightArrow, ksbsNormal);
    LabelBelow({hx, y_, hx + 170, y_ + 17}, QStringLiteral("horizontal bar, hot thumb"));
    const int vx = hx + 190;
    drawTrack({vx, y_ + 17, vx + 17, y_ + 63}, TteScrollBarTrack::ksbtVertical);
    drawPart({vx, y_, vx + 17, y_ + 17}, ksbpUpArrow, ksbsNormal);
    drawPart({vx, y_ + 25, vx + 17, y_ + 45}, ksbpVertThumb, ksbsPressed);
    drawPart({vx, y_ + 63, vx + 17, y_ + 80}, ksbpDownArrow, ksbsNormal);
    NextBand(84);
}

void TGallerySheet::ProgressBars()
{
    Heading(QStringLiteral("Progress bars"), theme_.IsProgressBarAvailable(0, kDefault));
    using enum TteProgressBarPart;
    struct TBar {
        TteProgressBarPart Frame;
        TteProgressBarPart Fill;
        const char* Name;
    };
    static constexpr TBar kBars[] = {{kpbpHorzFrame, kpbpHorzChunks, "horizontal, chunked"},
                                     {kpbpHorzFrame, kpbpHorzSmooth, "horizontal, smooth"},
                                     {kpbpVertFrame, kpbpVertChunks, "vertical, chunked"},
                                     {kpbpVertFrame, kpbpVertSmooth, "vertical, smooth"}};
    int x = kMargin;
    for (const TBar& bar : kBars) {
        const bool horizontal = bar.Frame == kpbpHorzFrame;
        const TRect frame = horizontal ? TRect{x, y_, x + 200, y_ + 18} : TRect{x, y_, x + 18, y_ + 60};
        theme_.DrawProgressBar(0, canvas_, {frame, ThemeByte(bar.Frame), 0}, kDefault);
        const TRect inner = theme_.GetProgressBarClientRect(0, frame, kDefault);
        const TRect client = InsetRect(inner, 1, 1);
        const TRect filled = horizontal ? TRect{client.Left, client.Top, client.Left + client.Width() * 3 / 5, client.Bottom}
                                        : TRect{client.Left, client.Bottom - client.Height() * 3 / 5, client.Right, client.Bottom};
        theme_.DrawProgressBar(0, canvas_, {filled, ThemeByte(bar.Fill), 0}, kDefault);
        LabelBelow(frame, QString::fromLatin1(bar.Name));
        x += (horizontal ? 200 : 18) + 60;
    }
    NextBand(60 + 20);
}

void TGallerySheet::TrackBars()
{
    Heading(QStringLiteral("Track bars (thumb states: normal, hot, pressed, focused, disabled)"),
            theme_.IsTrackBarAvailable(0, kDefault));
    using enum TteTrackBarThumb;
    using enum TteTrackBarThumbState;
    const auto drawTrack = [this](const TRect& rect, TteTrackBarTrack track, TteTrackBarTrackState state) {
        theme_.DrawTrackBarTrack(0, canvas_, {rect, ThemeByte(track), ThemeByte(state)}, kDefault);
    };
    const auto drawThumb = [this](const TRect& rect, TteTrackBarThumb thumb, TteTrackBarThumbState state) {
        theme_.DrawTrackBarThumb(0, canvas_, {rect, ThemeByte(thumb), ThemeByte(state)}, kDefault);
    };
    int x = kMargin;
    for (bool enabled : {true, false}) {
        const TRect back{x, y_, x + 160, y_ + 30};
        theme_.DrawTrackBar(0, canvas_, back, kDefault);
        drawTrack({x, y_ + 10, x + 160, y_ + 20}, TteTrackBarTrack::ktbtHorizontal,
                  enabled ? TteTrackBarTrackState::ktbtsEnabled : TteTrackBarTrackState::ktbtsDisabled);
        drawThumb({x + 60, y_ + 3, x + 71, y_ + 27}, ktbtHorzBoth, enabled ? ktbtsNormal : ktbtsDisabled);
        LabelBelow(back, enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"));
        x += 180;
    }
    drawTrack({x, y_ - 6, x + 10, y_ + 44}, TteTrackBarTrack::ktbtVertical, TteTrackBarTrackState::ktbtsEnabled);
    drawThumb({x - 7, y_ + 10, x + 17, y_ + 21}, ktbtVertBoth, ktbtsNormal);
    x += 40;
    struct TThumb {
        TteTrackBarThumb Part;
        const char* Name;
    };
    static constexpr TThumb kThumbs[] = {{ktbtVertBoth, "vert. both"},  {ktbtVertRight, "vert. right"},
                                         {ktbtVertLeft, "vert. left"},  {ktbtHorzBoth, "horiz. both"},
                                         {ktbtHorzDown, "horiz. down"}, {ktbtHorzUp, "horiz. up"}};
    for (const TThumb& part : kThumbs) {
        const bool vertical = part.Part == ktbtVertBoth || part.Part == ktbtVertRight || part.Part == ktbtVertLeft;
        int tx = x;
        for (TteTrackBarThumbState state : {ktbtsNormal, ktbtsHot, ktbtsPressed, ktbtsFocused, ktbtsDisabled}) {
            drawThumb(vertical ? TRect{tx, y_ + 8, tx + 22, y_ + 19} : TRect{tx, y_, tx + 11, y_ + 22}, part.Part, state);
            tx += vertical ? 24 : 13;
        }
        LabelBelow({x, y_ + 8, x + 5 * (vertical ? 24 : 13), y_ + 22}, QString::fromLatin1(part.Name));
        x += 5 * (vertical ? 24 : 13) + 6;
        if (part.Part == ktbtVertLeft) {
            x = kMargin + 400;
            NextBand(42);
        }
    }
    NextBand(44);
}
