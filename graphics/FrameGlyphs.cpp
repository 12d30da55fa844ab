#include "graphics/FrameGlyphs.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "graphics/Bitmap.h"

namespace {

// A symbol spelled out row by row ('X' set), and the size of the control it was drawn for.
struct TGlyph {
    std::vector<std::string_view> Rows;
    int ClassicSize = 0;
    // Caption and scroll buttons move their symbol one pixel down and right while pushed.
    bool MovesWhenPushed = false;
};

const TGlyph kClose{{"XX....XX",  //
                     ".XX..XX.",  //
                     "..XXXX..",  //
                     "...XX...",  //
                     "..XXXX..",  //
                     ".XX..XX.",  //
                     "XX....XX"},
                    14, true};
const TGlyph kMinimize{{"........",  //
                        "........",  //
                        "........",  //
                        "........",  //
                        "........",  //
                        ".XXXXXX.",  //
                        ".XXXXXX."},
                       14, true};
const TGlyph kMaximize{{"XXXXXXXXX",  //
                        "XXXXXXXXX",  //
                        "X.......X",  //
                        "X.......X",  //
                        "X.......X",  //
                        "X.......X",  //
                        "X.......X",  //
                        "X.......X",  //
                        "XXXXXXXXX"},
                       14, true};
const TGlyph kRestore{{"..XXXXXX",  //
                       "..XXXXXX",  //
                       "..X....X",  //
                       "XXXXXX.X",  //
                       "XXXXXX.X",  //
                       "X....XXX",  //
                       "X....X..",  //
                       "X....X..",  //
                       "XXXXXX.."},
                      14, true};
const TGlyph kHelp{{".XXXX.",  //
                    "XX..XX",  //
                    "....XX",  //
                    "...XX.",  //
                    "..XX..",  //
                    "..XX..",  //
                    "......",  //
                    "..XX..",  //
                    "..XX.."},
                   14, true};
const TGlyph kArrowUp{{"...X...",  //
                       "..XXX..",  //
                       ".XXXXX.",  //
                       "XXXXXXX"},
                      16, true};
const TGlyph kArrowDown{{"XXXXXXX",  //
                         ".XXXXX.",  //
                         "..XXX..",  //
                         "...X..."},
                        16, true};
const TGlyph kArrowLeft{{"...X",  //
                         "..XX",  //
                         ".XXX",  //
                         "XXXX",  //
                         ".XXX",  //
                         "..XX",  //
                         "...X"},
                        16, true};
const TGlyph kArrowRight{{"X...",  //
                          "XX..",  //
                          "XXX.",  //
                          "XXXX",  //
                          "XXX.",  //
                          "XX..",  //
                          "X..."},
                         16, true};
const TGlyph kCheck{{"......X",  //
                     ".....XX",  //
                     "X...XXX",  //
                     "XX.XXX.",  //
                     "XXXXX..",  //
                     ".XXX...",  //
                     "..X...."},
                    13, false};
const TGlyph kBullet{{".XX.",  //
                      "XXXX",  //
                      "XXXX",  //
                      ".XX."},
                     13, false};
const TGlyph kMenuArrow{{"X...",  //
                         "XX..",  //
                         "XXX.",  //
                         "XXXX",  //
                         "XXX.",  //
                         "XX..",  //
                         "X..."},
                        13, false};
const TGlyph kMenuArrowLeft{{"...X",  //
                             "..XX",  //
                             ".XXX",  //
                             "XXXX",  //
                             ".XXX",  //
                             "..XX",  //
                             "...X"},
                            13, false};
const TGlyph kRadioDot{{".XX.",  //
                        "XXXX",  //
                        "XXXX",  //
                        ".XX."},
                       12, false};
const TGlyph kRadioMask{{"....XXXX....",  //
                         "..XXXXXXXX..",  //
                         ".XXXXXXXXXX.",  //
                         ".XXXXXXXXXX.",  //
                         "XXXXXXXXXXXX",  //
                         "XXXXXXXXXXXX",  //
                         "XXXXXXXXXXXX",  //
                         "XXXXXXXXXXXX",  //
                         ".XXXXXXXXXX.",  //
                         ".XXXXXXXXXX.",  //
                         "..XXXXXXXX..",  //
                         "....XXXX...."},
                        12, false};

// The black symbol of a frame control, or null when it draws none.
const TGlyph* GlyphFor(unsigned frameType, unsigned frameState)
{
    const unsigned kind = frameState & 0xFF;
    const bool checked = (frameState & DFCS_CHECKED) != 0;
    // Inactive symbols are embossed in the shadow and highlight colours, never black.
    if ((frameState & DFCS_INACTIVE) != 0 && frameType != DFC_MENU)
        return nullptr;
    switch (frameType) {
    case DFC_CAPTION:
        switch (kind) {
        case DFCS_CAPTIONCLOSE: return &kClose;
        case DFCS_CAPTIONMIN: return &kMinimize;
        case DFCS_CAPTIONMAX: return &kMaximize;
        case DFCS_CAPTIONRESTORE: return &kRestore;
        case DFCS_CAPTIONHELP: return &kHelp;
        default: return nullptr;
        }
    case DFC_SCROLL:
        switch (kind) {
        case DFCS_SCROLLUP: return &kArrowUp;
        case DFCS_SCROLLDOWN:
        case DFCS_SCROLLCOMBOBOX: return &kArrowDown;
        case DFCS_SCROLLLEFT: return &kArrowLeft;
        case DFCS_SCROLLRIGHT: return &kArrowRight;
        default: return nullptr;
        }
    case DFC_MENU:
        // Menu marks are monochrome masks: black whatever the state.
        switch (kind) {
        case DFCS_MENUARROW: return &kMenuArrow;
        case DFCS_MENUCHECK: return &kCheck;
        case DFCS_MENUBULLET: return &kBullet;
        case DFCS_MENUARROWRIGHT: return &kMenuArrowLeft;
        default: return nullptr;
        }
    case DFC_BUTTON:
        if ((kind & DFCS_BUTTONPUSH) != 0)
            return nullptr;
        if (kind == DFCS_BUTTONRADIOMASK)
            return &kRadioMask;
        if ((kind & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE)) != 0)
            return checked ? &kRadioDot : nullptr;
        // A third-state check mark is grey.
        return checked && (kind & DFCS_BUTTON3STATE) == 0 ? &kCheck : nullptr;
    default:
        return nullptr;
    }
}

}  // namespace

bool DrawFrameSymbol(TteBitmap& target, const TRect& rect, unsigned frameType, unsigned frameState, TteColor ink)
{
    const TGlyph* glyph = GlyphFor(frameType, frameState);
    if (glyph == nullptr || rect.IsEmpty())
        return false;
    const int width = static_cast<int>(glyph->Rows.front().size());
    const int height = static_cast<int>(glyph->Rows.size());
    const int scale = std::max(1, std::min(rect.Width(), rect.Height()) / glyph->ClassicSize);
    const int shift = glyph->MovesWhenPushed && (frameState & DFCS_PUSHED) != 0 ? 1 : 0;
    const int left = rect.Left + (rect.Width() - width * scale) / 2 + shift;
    const int top = rect.Top + (rect.Height() - height * scale) / 2 + shift;
    bool drawn = false;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (glyph->Rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != 'X')
                continue;
            target.FillRect({left + x * scale, top + y * scale, left + (x + 1) * scale, top + (y + 1) * scale}, ink);
            drawn = true;
        }
    return drawn;
}
