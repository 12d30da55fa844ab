#include "tools/skin/SkinArt.h"

#include <algorithm>
#include <cstdint>

#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeSysColors.h"
#include "themes/SkinObjectClasses.h"
#include "themes/SkinSource.h"

namespace {

// Colours as 0xRRGGBB.
constexpr std::uint32_t kHole = 0xFF00FF;  // authors' magenta, keyed when the skin is read
constexpr std::uint32_t kFaceTop = 0xF6F8FB, kFaceBottom = 0xD3DCE6, kFaceBorder = 0x6A7F96;
constexpr std::uint32_t kHotTop = 0xFFF7E2, kHotBottom = 0xF2D48E, kHotBorder = 0xC08A24;
constexpr std::uint32_t kDownTop = 0xB9C6D5, kDownBottom = 0xDDE4EC, kDownBorder = 0x465B71;
constexpr std::uint32_t kFocusBorder = 0x2E7BC8;
constexpr std::uint32_t kOffTop = 0xF0F0F0, kOffBottom = 0xE4E4E4, kOffBorder = 0xB2B2B2;
constexpr std::uint32_t kCaptionTop = 0x4A7DAD, kCaptionBottom = 0x24496E, kCaptionEdge = 0x183450;
constexpr std::uint32_t kIdleTop = 0xA7B3BF, kIdleBottom = 0x86939F, kIdleEdge = 0x66727D;
constexpr std::uint32_t kWindow = 0xE8EDF2, kField = 0xFFFFFF, kInk = 0x1F2A36, kAccent = 0x2E7BC8;
constexpr std::uint32_t kAccentDark = 0x1D5A96, kTrack = 0xB8C4D0, kHintFill = 0xFFF9D8, kHintEdge = 0x9C8B4A;

// A framework colour (0x00BBGGRR) of an 0xRRGGBB value.
TColor Bgr(std::uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int num, int den)
{
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = int(a >> shift) & 0xFF, cb = int(b >> shift) & 0xFF;
        out |= std::uint32_t(ca + (cb - ca) * num / std::max(den, 1)) << shift;
    }
    return out;
}

// The atlas: tiles placed in rows, painted pixel by pixel.
class TAtlas {
public:
    static constexpr int kWidth = 256;

    explicit TAtlas(TteBitmap& bitmap) : bitmap_(bitmap) { bitmap_.SetSize(kWidth, 512); bitmap_.Fill(0xFF000000 | kHole); }

    TRect Place(int w, int h)
    {
        if (x_ + w > kWidth) {
            x_ = 0;
            y_ += row_ + 1;
            row_ = 0;
        }
        const TRect r{x_, y_, x_ + w, y_ + h};
        x_ += w + 1;
        row_ = std::max(row_, h);
        return r;
    }
    int Used() const { return y_ + row_; }

    void Set(int x, int y, std::uint32_t rgb) { bitmap_.SetPixel(x, y, 0xFF000000 | rgb); }
    void Fill(const TRect& r, std::uint32_t rgb)
    {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                Set(x, y, rgb);
    }
    void Gradient(const TRect& r, std::uint32_t top, std::uint32_t bottom)
    {
        for (int y = r.Top; y < r.Bottom; ++y)
            Fill({r.Left, y, r.Right, y + 1}, Mix(top, bottom, y - r.Top, r.Height() - 1));
    }
    void Border(const TRect& r, std::uint32_t rgb)
    {
        Fill({r.Left, r.Top, r.Right, r.Top + 1}, rgb);
        Fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, rgb);
        Fill({r.Left, r.Top, r.Left + 1, r.Bottom}, rgb);
        Fill({r.Right - 1, r.Top, r.Right, r.Bottom}, rgb);
    }
    // The corner pixels become holes; with a radius of 2 the pixels next to them too, and the
    // inner diagonal takes the border colour half-way.
    void Round(const TRect& r, int radius, std::uint32_t border)
    {
        const int xs[2] = {r.Left, r.Right - 1}, ys[2] = {r.Top, r.Bottom - 1};
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j) {
                const int dx = i == 0 ? 1 : -1, dy = j == 0 ? 1 : -1;
                Set(xs[i], ys[j], kHole);
                if (radius > 1) {
                    Set(xs[i] + dx, ys[j], kHole);
                    Set(xs[i], ys[j] + dy, kHole);
                    Set(xs[i] + dx, ys[j] + dy, border);
                }
            }
    }
    // A face with a gradient, a border and rounded corners.
    void Face(const TRect& r, std::uint32_t top, std::uint32_t bottom, std::uint32_t border, int radius = 2)
    {
        Gradient(r, top, bottom);
        Border(r, border);
        if (radius > 0)
            Round(r, radius, border);
    }
    // A filled triangle pointing up, down, left or right, centred in r.
    void Arrow(const TRect& r, char direction, std::uint32_t rgb)
    {
        const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
        for (int k = 0; k < 4; ++k)
            for (int t = -k; t <= k; ++t) {
                switch (direction) {
                case 'u': Set(cx + t, cy - 2 + k, rgb); break;
                case 'd': Set(cx + t, cy + 1 - k, rgb); break;
                case 'l': Set(cx - 2 + k, cy + t, rgb); break;
                default: Set(cx + 1 - k, cy + t, rgb); break;
                }
            }
    }
    void Check(const TRect& r, std::uint32_t rgb)
    {
        const int x = r.Left + 3, y = r.Top + r.Height() / 2 - 1;
        for (int i = 0; i < 3; ++i) {
            Set(x + i, y + i, rgb);
            Set(x + i, y + i + 1, rgb);
        }
        for (int i = 0; i < 5; ++i) {
            Set(x + 3 + i, y + 1 - i, rgb);
            Set(x + 3 + i, y + 2 - i, rgb);
        }
    }
    void Disc(const TRect& r, int radius2, std::uint32_t rgb)
    {
        const int cx2 = r.Left * 2 + r.Width() - 1, cy2 = r.Top * 2 + r.Height() - 1;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const int dx = 2 * x - cx2, dy = 2 * y - cy2;
                if (dx * dx + dy * dy <= radius2)
                    Set(x, y, rgb);
            }
    }
    void Ring(const TRect& r, std::uint32_t fillTop, std::uint32_t fillBottom, std::uint32_t border)
    {
        Fill(r, kHole);
        const int outer = r.Width() * r.Width(), inner = (r.Width() - 2) * (r.Width() - 2);
        const int cx2 = r.Left * 2 + r.Width() - 1, cy2 = r.Top * 2 + r.Height() - 1;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const int dx = 2 * x - cx2, dy = 2 * y - cy2, d = dx * dx + dy * dy;
                if (d <= inner)
                    Set(x, y, Mix(fillTop, fillBottom, y - r.Top, r.Height() - 1));
                else if (d <= outer)
                    Set(x, y, border);
            }
    }

private:
    TteBitmap& bitmap_;
    int x_ = 0;
    int y_ = 0;
    int row_ = 0;
};

// The look of a face in the five element states.
struct TFaceLook {
    std::uint32_t Top, Bottom, Border;
};
constexpr TFaceLook kNormal{kFaceTop, kFaceBottom, kFaceBorder};
constexpr TFaceLook kHot{kHotTop, kHotBottom, kHotBorder};
constexpr TFaceLook kDown{kDownTop, kDownBottom, kDownBorder};
constexpr TFaceLook kFocus{kFaceTop, kFaceBottom, kFocusBorder};
constexpr TFaceLook kOff{kOffTop, kOffBottom, kOffBorder};

class TSkinBuilder {
public:
    TSkinBuilder(TSeSkinSource& source, TteBitmap& atlas) : source_(source), atlas_(atlas) {}

    TAtlas& Art() { return atlas_; }

    template <class T>
    T* Top(const char* name)
    {
        auto* object = new T(nullptr);
        object->SetName(QLatin1String(name));
        source_.AddObject(object);
        return object;
    }
    template <class T>
    T* Add(TSeSkinObject* parent, const char* name, TSeAlign align = TSeAlign::saNone, int w = 0, int h = 0)
    {
        auto* object = new T(parent);
        object->SetName(QLatin1String(name));
        object->SetAlign(align);
        object->SetWidth(w);
        object->SetHeight(h);
        return object;
    }
    static void Link(TteBitmapLink& link, const TRect& rect)
    {
        link.SetName(QLatin1String(kSkinAtlasName));
        link.SetRect(rect);
    }
    static void Margins(TSeSkinObject* object, int m)
    {
        object->SetMarginLeft(m);
        object->SetMarginTop(m);
        object->SetMarginRight(m);
        object->SetMarginBottom(m);
    }
    TRect FaceTile(int w, int h, const TFaceLook& look, int radius = 2)
    {
        const TRect r = atlas_.Place(w, h);
        atlas_.Face(r, look.Top, look.Bottom, look.Border, radius);
        return r;
    }
    // A button object with a face per state, laid in nine parts by margin m.
    TSeButtonObject* StateFace(TSeSkinObject* parent, const char* name, int w, int h, int m, int radius = 2,
                               char arrow = 0, TSeAlign align = TSeAlign::saNone)
    {
        auto* button = Add<TSeButtonObject>(parent, name, align, w, h);
        Margins(button, m);
        button->SetTileStyle(TscTileStyle::tsStretch);
        button->SetBorderTileStyle(TscTileStyle::tsStretch);
        const std::pair<TteBitmapLink*, TFaceLook> looks[] = {{&button->Bitmap(), kNormal},
                                                              {&button->BitmapHot(), kHot},
                                                              {&button->BitmapPressed(), kDown},
                                                              {&button->BitmapFocused(), kFocus},
                                                              {&button->BitmapDisabled(), kOff}};
        for (const auto& [link, look] : looks) {
            const TRect r = FaceTile(w, h, look, radius);
            if (arrow != 0)
                atlas_.Arrow(r, arrow, look.Border == kOffBorder ? kOffBorder : kInk);
            Link(*link, r);
        }
        if (arrow != 0) {
            // Arrow buttons keep their glyph at its size: only the frame stretches.
            button->SetTileStyle(TscTileStyle::tsCenter);
            Margins(button, 0);
        }
        return button;
    }
    // A bitmap object over one face, in nine parts by margin m.
    TSeBitmapObject* Plain(TSeSkinObject* parent, const char* name, const TRect& tile, int m,
                           TSeAlign align = TSeAlign::saNone, int w = 0, int h = 0)
    {
        auto* object = Add<TSeBitmapObject>(parent, name, align, w, h);
        Link(object->Bitmap(), tile);
        Margins(object, m);
        object->SetTileStyle(TscTileStyle::tsStretch);
        object->SetBorderTileStyle(TscTileStyle::tsStretch);
        return object;
    }
    // A text object that carries the fonts of an element (no area, so it never paints).
    void Fonts(TSeSkinObject* parent, const char* name)
    {
        auto* text = Add<TSeTextObject>(parent, name);
        text->SetColor(kSkinNoColor);
        text->Font().SetColor(Bgr(kInk));
        text->FontHot().SetColor(Bgr(0x5A3A00));
        text->FontPressed().SetColor(Bgr(kInk));
        text->FontFocused().SetColor(Bgr(kAccentDark));
        text->FontDisabled().SetColor(Bgr(0x9A9A9A));
    }

private:
    TSeSkinSource& source_;
    TAtlas atlas_;
};

void BuildFrame(TSkinBuilder& b, const char* name, int captionHeight, int buttonSize)
{
    TAtlas& art = b.Art();
    auto* form = b.Top<TSeSkinObject>(name);
    form->SetKind(TSeKind::skForm);
    form->SetColor(Bgr(kWindow));

    const TRect active = art.Place(24, captionHeight);
    art.Gradient(active, kCaptionTop, kCaptionBottom);
    art.Fill({active.Left, active.Bottom - 1, active.Right, active.Bottom}, kCaptionEdge);
    art.Round(active, 2, kCaptionEdge);
    const TRect idle = art.Place(24, captionHeight);
    art.Gradient(idle, kIdleTop, kIdleBottom);
    art.Fill({idle.Left, idle.Bottom - 1, idle.Right, idle.Bottom}, kIdleEdge);
    art.Round(idle, 2, kIdleEdge);
    auto* caption = b.Add<TSeActiveBitmap>(form, "Caption", TSeAlign::saTop, 0, captionHeight);
    caption->SetKind(TSeKind::skCaption);
    // Its own rounded picture shapes the window, not the union of its buttons and title.
    caption->SetDrawIfOwner(true);
    TSkinBuilder::Link(caption->Bitmap(), idle);
    TSkinBuilder::Link(caption->ActiveBitmap(), active);
    caption->SetMarginLeft(4);
    caption->SetMarginRight(4);
    caption->SetMarginTop(3);
    caption->SetTileStyle(TscTileStyle::tsStretch);
    caption->SetBorderTileStyle(TscTileStyle::tsStretch);

    const auto captionButton = [&](const char* buttonName, TSeAction action, TSeAlign align, auto glyph) {
        auto* button = b.Add<TSeSystemButton>(caption, buttonName, align, buttonSize + 4, captionHeight);
        button->SetAction(action);
        button->SetTileStyle(TscTileStyle::tsCenter);
        if (action == TSeAction::sbaSysMenu)
            return;
        const std::pair<TteBitmapLink*, TFaceLook> looks[] = {{&button->Bitmap(), {kIdleTop, kIdleBottom, kIdleEdge}},
                                                              {&button->ActiveBitmap(), kNormal},
                                                              {&button->BitmapHot(), kHot},
                                                              {&button->BitmapPressed(), kDown}};
        for (const auto& [link, look] : looks) {
            const TRect r = b.FaceTile(buttonSize, buttonSize, look, 2);
            glyph(art, r, look.Border == kIdleEdge ? 0xE6EBF0 : kInk);
            TSkinBuilder::Link(*link, r);
        }
    };
    const auto cross = [](TAtlas& a, const TRect& r, std::uint32_t ink) {
        for (int i = 4; i < r.Width() - 4; ++i) {
            a.Set(r.Left + i, r.Top + i, ink);
            a.Set(r.Left + i + 1, r.Top + i, ink);
            a.Set(r.Right - 1 - i, r.Top + i, ink);
            a.Set(r.Right - 2 - i, r.Top + i, ink);
        }
    };
    const auto bar = [](TAtlas& a, const TRect& r, std::uint32_t ink) {
        a.Fill({r.Left + 4, r.Bottom - 6, r.Right - 4, r.Bottom - 4}, ink);
    };
    const auto box = [](TAtlas& a, const TRect& r, std::uint32_t ink) {
        a.Border({r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4}, ink);
        a.Fill({r.Left + 4, r.Top + 5, r.Right - 4, r.Top + 6}, ink);
    };
    const auto boxes = [](TAtlas& a, const TRect& r, std::uint32_t ink) {
        a.Border({r.Left + 6, r.Top + 3, r.Right - 3, r.Bottom - 6}, ink);
        a.Border({r.Left + 3, r.Top + 6, r.Right - 6, r.Bottom - 3}, ink);
    };
    const auto up = [](TAtlas& a, const TRect& r, std::uint32_t ink) { a.Arrow(r, 'u', ink); };
    const auto down = [](TAtlas& a, const TRect& r, std::uint32_t ink) { a.Arrow(r, 'd', ink); };
    captionButton("SysMenu", TSeAction::sbaSysMenu, TSeAlign::saLeft, bar);
    captionButton("Close", TSeAction::sbaClose, TSeAlign::saRight, cross);
    captionButton("Maximize", TSeAction::sbaMaximize, TSeAlign::saRight, box);
    captionButton("Restore", TSeAction::sbaRestore, TSeAlign::saRight, boxes);
    captionButton("Minimize", TSeAction::sbaMinimize, TSeAlign::saRight, bar);
    captionButton("RollUp", TSeAction::sbaRollUp, TSeAlign::saRight, up);
    captionButton("RollDown", TSeAction::sbaRollDown, TSeAlign::saRight, down);
    captionButton("Tray", TSeAction::sbaTray, TSeAlign::saRight, down);

    auto* title = b.Add<TSeSkinObject>(caption, "Title", TSeAlign::saClient);
    title->SetKind(TSeKind::skTitle);
    title->SetColor(kSkinNoColor);
    title->SetTextMarginLeft(4);
    title->SetTextShiftSysIcon(false);
    title->SetTextEffect(TSeTextEffect::teShadow);
    title->Font().SetColor(Bgr(0xFFFFFF));
    title->Font().SetStyle(TFontStyles{TFontStyle::fsBold});

    const TRect edge = art.Place(6, 6);
    art.Fill(edge, kCaptionBottom);
    art.Border(edge, kCaptionEdge);
    for (auto [part, kind, align] : {std::tuple{"Left", TSeKind::skLeft, TSeAlign::saLeft},
                                     std::tuple{"Right", TSeKind::skRight, TSeAlign::saRight},
                                     std::tuple{"Bottom", TSeKind::skBottom, TSeAlign::saBottom}}) {
        auto* side = b.Plain(form, part, edge, 1, align, 4, 4);
        side->SetKind(kind);
        side->SetColor(Bgr(kCaptionBottom));
    }
    auto* client = b.Add<TSeSkinObject>(form, "Client", TSeAlign::saClient);
    client->SetKind(TSeKind::skClient);
    client->SetColor(Bgr(kWindow));
    // The client area is never part of the window's shape by itself (reading a skin says so too).
    client->SetMasked(false);
}

void BuildControls(TSkinBuilder& b)
{
    TAtlas& art = b.Art();

    auto* button = b.Top<TSeSkinObject>("Button");
    button->SetColor(Bgr(kFaceBottom));
    // Without its face the button still fills its rectangle.
    button->SetDrawIfOwner(true);
    b.StateFace(button, "Face", 24, 22, 4, 2);
    b.Fonts(button, "Text");

    for (const char* name : {"Checkbox", "RadioButton"}) {
        const bool radio = name[0] == 'R';
        auto* group = b.Top<TSeSkinObject>(name);
        group->SetColor(kSkinNoColor);
        for (const char* mark : {"Checked", "Unchecked", "Mixed"}) {
            if (radio && mark[0] == 'M')
                break;
            auto* child = b.Add<TSeButtonObject>(group, mark, TSeAlign::saNone, 13, 13);
            child->SetTileStyle(TscTileStyle::tsCenter);
            const std::pair<TteBitmapLink*, TFaceLook> looks[] = {{&child->Bitmap(), kNormal},
                                                                  {&child->BitmapHot(), kHot},
                                                                  {&child->BitmapPressed(), kDown},
                                                                  {&child->BitmapDisabled(), kOff}};
            for (const auto& [link, look] : looks) {
                const TRect r = art.Place(13, 13);
                const std::uint32_t ink = look.Border == kOffBorder ? kOffBorder : kAccentDark;
                if (radio)
                    art.Ring(r, kField, look.Bottom, look.Border);
                else
                    art.Face(r, kField, look.Bottom, look.Border, 1);
                if (mark[0] == 'C' && radio)
                    art.Disc(r, 20, ink);
                else if (mark[0] == 'C')
                    art.Check(r, ink);
                else if (mark[0] == 'M')
                    art.Fill({r.Left + 3, r.Top + 5, r.Right - 3, r.Bottom - 5}, ink);
                TSkinBuilder::Link(*link, r);
            }
        }
        b.Fonts(group, "Text");
    }

    auto* groupBox = b.Top<TSeSkinObject>("GroupBox");
    groupBox->SetColor(kSkinNoColor);
    const TRect groupTile = art.Place(12, 12);
    art.Fill(groupTile, kHole);
    art.Border(groupTile, 0xA9B6C4);
    art.Round(groupTile, 1, 0xA9B6C4);
    b.Plain(groupBox, "Frame", groupTile, 3);
    b.Fonts(groupBox, "Caption");

    auto* scroll = b.Top<TSeSkinObject>("ScrollBar");
    scroll->SetColor(Bgr(kTrack));
    b.StateFace(scroll, "TopButton", 16, 16, 0, 1, 'u');
    b.StateFace(scroll, "BottomButton", 16, 16, 0, 1, 'd');
    b.StateFace(scroll, "LeftButton", 16, 16, 0, 1, 'l');
    b.StateFace(scroll, "RightButton", 16, 16, 0, 1, 'r');
    b.StateFace(scroll, "HorzSlider", 16, 14, 4, 2);
    b.StateFace(scroll, "VertSlider", 14, 16, 4, 2);
    const TRect trackTile = art.Place(8, 8);
    art.Gradient(trackTile, 0xD9E0E8, 0xE9EEF3);
    b.Plain(scroll, "HorzFrame", trackTile, 0);
    b.Plain(scroll, "VertFrame", trackTile, 0);

    auto* progress = b.Top<TSeSkinObject>("ProgressBar");
    const TRect well = art.Place(10, 10);
    art.Face(well, 0xDCE3EA, kField, kFaceBorder, 1);
    b.Plain(progress, "Frame", well, 3);
    const TRect fill = art.Place(8, 10);
    art.Gradient(fill, 0x6FB0EA, kAccentDark);
    art.Fill({fill.Left + 6, fill.Top, fill.Right, fill.Bottom}, 0x5B9BD6);
    auto* barHorz = b.Plain(progress, "Bar", fill, 0);
    barHorz->SetTileStyle(TscTileStyle::tsTile);
    const TRect fillVert = art.Place(10, 8);
    art.Gradient(fillVert, 0x6FB0EA, kAccentDark);
    art.Fill({fillVert.Left, fillVert.Top + 6, fillVert.Right, fillVert.Bottom}, 0x5B9BD6);
    b.Plain(progress, "BarVert", fillVert, 0)->SetTileStyle(TscTileStyle::tsTile);
    const TRect solid = art.Place(8, 10);
    art.Gradient(solid, 0x6FB0EA, kAccentDark);
    b.Plain(progress, "Solid", solid, 0);

    auto* edit = b.Top<TSeSkinObject>("Edit");
    edit->SetColor(Bgr(kField));
    auto* editFrame = b.Add<TSeButtonObject>(edit, "Frame");
    TSkinBuilder::Margins(editFrame, 3);
    editFrame->SetTileStyle(TscTileStyle::tsStretch);
    editFrame->SetBorderTileStyle(TscTileStyle::tsStretch);
    for (auto [link, border] : {std::pair{&editFrame->Bitmap(), kFaceBorder}, std::pair{&editFrame->BitmapHot(), kHotBorder},
                                std::pair{&editFrame->BitmapDisabled(), kOffBorder}}) {
        const TRect r = art.Place(10, 10);
        art.Face(r, kField, kField, border, 1);
        if (border != kOffBorder)
            art.Fill({r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 2}, 0xE3E8EE);
        else
            art.Fill({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, kOffTop);
        TSkinBuilder::Link(*link, r);
    }
    b.StateFace(edit, "Button", 16, 16, 0, 1, 'u');
    b.Fonts(edit, "Text");
    auto* combo = b.Top<TSeSkinObject>("ComboBox");
    b.StateFace(combo, "Button", 17, 18, 0, 1, 'd');

    auto* track = b.Top<TSeSkinObject>("TrackBar");
    track->SetColor(kSkinNoColor);
    const TRect groove = art.Place(10, 6);
    art.Face(groove, 0xB8C4D0, 0xDCE3EA, kFaceBorder, 1);
    b.Plain(track, "Track", groove, 2);
    b.StateFace(track, "ThumbHorz", 11, 20, 0, 2);
    b.StateFace(track, "ThumbVert", 20, 11, 0, 2);
    b.StateFace(track, "Thumb", 11, 11, 0, 2);

    auto* menuBar = b.Top<TSeSkinObject>("MenuBar");
    auto* barFrame = b.Add<TSeSkinObject>(menuBar, "Frame");
    barFrame->SetColor(Bgr(0xDDE4EC));
    auto* barItem = b.Add<TSeColorButtonObject>(menuBar, "Item");
    barItem->SetColor(kSkinNoColor);
    barItem->SetHotColor(Bgr(kHotBottom));
    barItem->SetFocusedColor(Bgr(kAccent));
    barItem->SetPressedColor(Bgr(kAccent));
    barItem->SetDisabledColor(kSkinNoColor);
    auto* barSeparator = b.Add<TSeSkinObject>(menuBar, "Separator");
    barSeparator->SetColor(kSkinNoColor);
    barSeparator->Font().SetColor(Bgr(kFaceBorder));

    auto* popup = b.Top<TSeSkinObject>("PopupMenu");
    const TRect popupTile = art.Place(12, 12);
    art.Face(popupTile, kField, 0xF1F4F7, kFaceBorder, 0);
    b.Plain(popup, "Frame", popupTile, 2);
    auto* popupItem = b.Add<TSeColorButtonObject>(popup, "Item");
    popupItem->SetColor(kSkinNoColor);
    popupItem->SetHotColor(Bgr(0xCFE2F5));
    popupItem->SetFocusedColor(Bgr(0xCFE2F5));
    popupItem->SetPressedColor(Bgr(0xCFE2F5));
    popupItem->SetDisabledColor(kSkinNoColor);
    auto* popupSeparator = b.Add<TSeSkinObject>(popup, "Separator");
    popupSeparator->SetColor(kSkinNoColor);
    popupSeparator->Font().SetColor(Bgr(0xB8C4D0));
    for (const char* scroller : {"UpButton", "DownButton"}) {
        auto* button = b.Add<TSeColorButtonObject>(popup, scroller);
        button->SetColor(Bgr(0xF1F4F7));
        button->SetHotColor(Bgr(0xCFE2F5));
        button->SetPressedColor(Bgr(0xCFE2F5));
        button->SetFocusedColor(Bgr(0xCFE2F5));
        button->SetDisabledColor(Bgr(0xF1F4F7));
    }

    auto* header = b.Top<TSeSkinObject>("Header");
    const TRect headerTile = art.Place(8, 8);
    art.Gradient(headerTile, kFaceTop, kFaceBottom);
    b.Plain(header, "Frame", headerTile, 0);
    b.StateFace(header, "Section", 20, 18, 3, 0);

    auto* status = b.Top<TSeSkinObject>("StatusBar");
    const TRect statusTile = art.Place(8, 8);
    art.Gradient(statusTile, 0xDDE4EC, 0xC9D3DD);
    b.Plain(status, "Frame", statusTile, 0);
    const TRect panelTile = art.Place(8, 8);
    art.Fill(panelTile, kHole);
    art.Border(panelTile, 0x9FAEBD);
    auto* panel = b.Plain(status, "Panel", panelTile, 1);
    panel->SetTextMarginLeft(2);
    panel->SetTextMarginRight(2);
    const TRect grip = art.Place(12, 12);
    art.Fill(grip, kHole);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j)
            art.Fill({grip.Right - 3 - 4 * j, grip.Bottom - 3 - 4 * (i - j), grip.Right - 1 - 4 * j,
                      grip.Bottom - 1 - 4 * (i - j)},
                     kFaceBorder);
    auto* gripper = b.Plain(status, "Gripper", grip, 0, TSeAlign::saNone, 12, 12);
    gripper->SetTileStyle(TscTileStyle::tsCenter);

    auto* tabs = b.Top<TSeSkinObject>("Tabs");
    const TRect pane = art.Place(10, 10);
    art.Face(pane, kWindow, kWindow, kFaceBorder, 0);
    b.Plain(tabs, "Frame", pane, 3);
    auto* tab = b.StateFace(tabs, "Tab", 20, 20, 4, 2);
    (void)tab;
    b.StateFace(tabs, "LeftButton", 16, 16, 0, 1, 'l');
    b.StateFace(tabs, "RightButton", 16, 16, 0, 1, 'r');

    auto* container = b.Top<TSeSkinObject>("Container");
    container->SetColor(Bgr(kWindow));
    const TRect raised = art.Place(8, 8);
    art.Face(raised, 0xF2F5F8, 0xE3E9EF, 0xA9B6C4, 1);
    b.Plain(container, "Panel", raised, 2);

    auto* frame = b.Top<TSeSkinObject>("Frame");
    frame->SetColor(Bgr(kWindow));

    auto* scrollBox = b.Top<TSeSkinObject>("ScrollBox");
    const TRect boxTile = art.Place(6, 6);
    art.Fill(boxTile, kHole);
    art.Border(boxTile, kFaceBorder);
    b.Plain(scrollBox, "Frame", boxTile, 1);

    auto* splitter = b.Top<TSeSkinObject>("Splitter");
    splitter->SetColor(Bgr(0xC9D3DD));

    auto* spin = b.Top<TSeSkinObject>("SpinButton");
    b.StateFace(spin, "Face", 16, 10, 3, 1);

    auto* bar = b.Top<TSeSkinObject>("ControlBar");
    auto* back = b.Add<TSeSkinObject>(bar, "Back");
    back->SetColor(Bgr(0xDDE4EC));
    const TRect dock = art.Place(8, 8);
    art.Gradient(dock, 0xF1F4F7, 0xD9E0E8);
    b.Plain(bar, "Frame", dock, 0);
    const TRect grabber = art.Place(6, 12);
    art.Fill(grabber, kHole);
    for (int y = grabber.Top + 1; y < grabber.Bottom - 1; y += 3)
        art.Fill({grabber.Left + 2, y, grabber.Left + 4, y + 2}, kFaceBorder);
    b.Plain(bar, "Grabber", grabber, 0)->SetTileStyle(TscTileStyle::tsVertCenterTile);

    auto* grid = b.Top<TSeSkinObject>("Grid");
    grid->SetColor(Bgr(kField));
    b.Plain(grid, "Frame", boxTile, 1);
    b.StateFace(grid, "Fixed", 12, 12, 2, 0);
    auto* cell = b.Add<TSeColorButtonObject>(grid, "Cell");
    cell->SetColor(Bgr(kField));
    cell->SetHotColor(Bgr(0xEEF4FA));
    cell->SetFocusedColor(Bgr(0xCFE2F5));
    cell->SetPressedColor(Bgr(0xCFE2F5));
    cell->SetDisabledColor(Bgr(kOffTop));

    auto* list = b.Top<TSeSkinObject>("ListBox");
    list->SetColor(Bgr(kField));
    b.Plain(list, "Frame", boxTile, 1);
    auto* item = b.Add<TSeColorButtonObject>(list, "Item");
    item->SetColor(kSkinNoColor);
    item->SetFocusedColor(Bgr(0xCFE2F5));
    item->SetHotColor(kSkinNoColor);
    item->SetPressedColor(kSkinNoColor);
    item->SetDisabledColor(kSkinNoColor);
    b.Fonts(list, "ItemText");

    const TRect hintTile = art.Place(8, 8);
    art.Face(hintTile, kHintFill, kHintFill, kHintEdge, 1);
    auto* hint = b.Top<TSeBitmapObject>("Hint");
    TSkinBuilder::Link(hint->Bitmap(), hintTile);
    TSkinBuilder::Margins(hint, 2);
    hint->SetTileStyle(TscTileStyle::tsStretch);
    hint->SetBorderTileStyle(TscTileStyle::tsStretch);
    hint->SetColor(Bgr(kHintFill));

    auto* speed = b.Top<TSeSkinObject>("SpeedButton");
    b.StateFace(speed, "Face", 22, 22, 4, 2);
    b.StateFace(speed, "Chevron", 12, 22, 0, 2, 'd');
    auto* toolSeparator = b.Add<TSeSkinObject>(speed, "Separator");
    toolSeparator->SetColor(Bgr(0xA9B6C4));

    auto* toolBar = b.Top<TSeSkinObject>("ToolBar");
    toolBar->SetColor(Bgr(0xDDE4EC));

    auto* rollPanel = b.Top<TSeSkinObject>("Panel");
    rollPanel->SetMarginLeft(2);
    rollPanel->SetMarginTop(20);
    rollPanel->SetMarginRight(2);
    rollPanel->SetMarginBottom(2);
    b.Plain(rollPanel, "Frame", raised, 2);
    const TRect rollCaption = art.Place(12, 18);
    art.Face(rollCaption, kCaptionTop, kCaptionBottom, kCaptionEdge, 2);
    auto* rollTitle = b.Plain(rollPanel, "Caption", rollCaption, 3);
    rollTitle->Font().SetColor(Bgr(0xFFFFFF));
    rollTitle->SetTextMarginLeft(4);
    b.StateFace(rollPanel, "ButtonRollup", 14, 14, 0, 1, 'u');
    b.StateFace(rollPanel, "ButtonRollDown", 14, 14, 0, 1, 'd');
    b.StateFace(rollPanel, "ButtonHide", 14, 14, 0, 1, 'r');
}

void FillTables(TSeSkinSource& source)
{
    TteThemeColors& colors = source.Colors();
    colors.SetDefaults();
    const std::pair<TteThemeColor, std::uint32_t> entries[] = {
        {TteThemeColor::ktcCaptionNormal, kCaptionBottom}, {TteThemeColor::ktcCaptionInactive, kIdleBottom},
        {TteThemeColor::ktcWindowBorder, kCaptionEdge},   {TteThemeColor::ktcWindow, kWindow},
        {TteThemeColor::ktcBorder, kFaceBorder},          {TteThemeColor::ktcPanelNormal, kWindow},
        {TteThemeColor::ktcPanelDisabled, kOffTop},       {TteThemeColor::ktcButtonNormal, kFaceBottom},
        {TteThemeColor::ktcButtonHot, kHotBottom},        {TteThemeColor::ktcButtonPressed, kDownTop},
        {TteThemeColor::ktcButtonFocused, kFaceBottom},   {TteThemeColor::ktcButtonDisabled, kOffBottom},
        {TteThemeColor::ktcEditNormal, kField},           {TteThemeColor::ktcEditHot, kField},
        {TteThemeColor::ktcEditFocused, kField},          {TteThemeColor::ktcEditDisabled, kOffTop},
        {TteThemeColor::ktcEditSelection, kAccent},       {TteThemeColor::ktcHint, kHintFill},
        {TteThemeColor::ktcList, kField},                 {TteThemeColor::ktcTree, kField},
        {TteThemeColor::ktcGrid, kField},                 {TteThemeColor::ktcBarDock, 0xDDE4EC},
    };
    for (const auto& [entry, rgb] : entries)
        colors.SetColor(entry, Bgr(rgb));

    TteThemeFonts& fonts = source.Fonts();
    fonts.SetDefaults();
    for (int i = 0; i < TteThemeFonts::kCount; ++i) {
        TFont& font = *fonts.GetFont(i);
        font.SetName(QStringLiteral("Tahoma"));
        font.SetSize(8);
        font.SetColor(Bgr(kInk));
    }
    const auto ink = [&fonts](TteThemeFont font, std::uint32_t rgb) { fonts.GetFont(font)->SetColor(Bgr(rgb)); };
    for (TteThemeFont font : {TteThemeFont::ktfCaptionTextNormal, TteThemeFont::ktfSmCaptionTextNormal})
        ink(font, 0xFFFFFF);
    for (TteThemeFont font : {TteThemeFont::ktfCaptionTextInactive, TteThemeFont::ktfSmCaptionTextInactive})
        ink(font, 0xEEF1F4);
    for (TteThemeFont font :
         {TteThemeFont::ktfStaticTextDisabled, TteThemeFont::ktfPanelTextDisabled, TteThemeFont::ktfButtonTextDisabled,
          TteThemeFont::ktfCheckBoxTextDisabled, TteThemeFont::ktfRadioButtonTextDisabled,
          TteThemeFont::ktfGroupBoxTextDisabled, TteThemeFont::ktfWindowTextDisabled,
          TteThemeFont::ktfEditBoxTextDisabled, TteThemeFont::ktfMenuItemTextDisabled,
          TteThemeFont::ktfToolItemTextDisabled, TteThemeFont::ktfHeaderSectionTextDisabled,
          TteThemeFont::ktfStatusPanelTextDisabled, TteThemeFont::ktfTabTextInactiveDisabled,
          TteThemeFont::ktfTabTextActiveDisabled, TteThemeFont::ktfListItemTextDisabled,
          TteThemeFont::ktfPopupMenuItemTextDisabled})
        ink(font, 0x9A9A9A);
    for (TteThemeFont font : {TteThemeFont::ktfButtonTextHot, TteThemeFont::ktfCheckBoxTextHot,
                              TteThemeFont::ktfRadioButtonTextHot})
        ink(font, 0x5A3A00);
    for (TteThemeFont font : {TteThemeFont::ktfMenuItemTextSelected, TteThemeFont::ktfEditBoxTextSelected})
        ink(font, 0xFFFFFF);
    fonts.GetFont(TteThemeFont::ktfCaptionTextNormal)->SetStyle(TFontStyles{TFontStyle::fsBold});
    fonts.GetFont(TteThemeFont::ktfCaptionTextInactive)->SetStyle(TFontStyles{TFontStyle::fsBold});
    fonts.GetFont(TteThemeFont::ktfGroupBoxTextNormal)->SetColor(Bgr(kAccentDark));
}

}  // namespace

std::unique_ptr<TSeSkinSource, TComponentDeleter> BuildTrackwellSkin()
{
    RegisterSkinObjectClasses();
    std::unique_ptr<TSeSkinSource, TComponentDeleter> source(new TSeSkinSource());
    source->SetSkinName(QStringLiteral("Trackwell Slate"));
    source->SetSkinVersion(QStringLiteral("1.0"));
    source->SetAuthor(QStringLiteral("Trackwell"));
    source->SetAuthorEMail(QStringLiteral("skins@trackwell.invalid"));
    source->SetAuthorURL(QStringLiteral("https://trackwell.invalid/skins"));

    auto atlas = std::make_unique<TteBitmap>();
    atlas->SetName(QLatin1String(kSkinAtlasName));
    TSkinBuilder builder(*source, *atlas);
    BuildFrame(builder, "Form", 24, 16);
    BuildFrame(builder, "ToolWindow", 18, 12);
    BuildControls(builder);
    // Only the rows the art took are kept.
    TteBitmap trimmed;
    trimmed.SetSize(TAtlas::kWidth, builder.Art().Used() + 1);
    atlas->Draw(trimmed, 0, 0);
    trimmed.SetName(atlas->Name());
    atlas->Assign(trimmed);
    // Keyed as reading a skin keys it, so the binary form (which stores bitmaps as they are) shows
    // the holes too.
    atlas->SetTransparentColor(0xFF000000 | kHole);
    atlas->DetectAlpha();
    atlas->SetTransparent(true);
    source->Bitmaps().Add(std::move(atlas));
    // The objects were added before the atlas was drawn.
    for (int i = 0; i < source->ObjectCount(); ++i)
        source->Object(i)->BindBitmaps(&source->Bitmaps());
    FillTables(*source);
    return source;
}
