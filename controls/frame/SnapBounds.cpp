#include "controls/frame/SnapBounds.h"

#include <cstdlib>

#include "graphics/RectUtils.h"

namespace {

bool Within(int a, int b, int size)
{
    return std::abs(a - b) < size;
}

// Moved by (dx, dy), the comparison rectangle and the real one alike.
void Shift(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

bool Meets(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TRect Grown(const TRect& r, int size)
{
    return {r.Left - size, r.Top - size, r.Right + size, r.Bottom + size};
}

bool Docked(const TRect& ours, const TRect& other)
{
    return ours.Left == other.Right || ours.Right == other.Left || ours.Top == other.Bottom || ours.Bottom == other.Top;
}

}  // namespace

bool EdgeToEdge(const TRect& ours, const TRect& other)
{
    const bool sideBySide = (ours.Left == other.Right || ours.Right == other.Left) && ours.Top <= other.Bottom &&
                            other.Top <= ours.Bottom;
    const bool stacked = (ours.Top == other.Bottom || ours.Bottom == other.Top) && ours.Left <= other.Right &&
                         other.Left <= ours.Right;
    return sideBySide || stacked;
}

TRect SnapBounds(const TRect& proposed, const TTeGravitation& gravitation, const TSnapContext& context)
{
    if (!gravitation.Enabled())
        return proposed;
    const int size = gravitation.Size();
    TRect result = proposed;
    // The edges compared are those of the visible window, without its shadow band.
    const auto visible = [&] {
        TRect r = result;
        r.Right -= context.ShadowSize;
        r.Bottom -= context.ShadowSize;
        return r;
    };

    if (gravitation.SnapToDesktop()) {
        const TRect area = context.Area;
        const TRect p = visible();
        if (Within(p.Left, area.Left, size))
            Shift(result, area.Left - p.Left, 0);
        else if (Within(p.Right, area.Right, size))
            Shift(result, area.Right - p.Right, 0);
        if (Within(p.Top, area.Top, size))
            Shift(result, 0, area.Top - p.Top);
        else if (Within(p.Bottom, area.Bottom, size))
            Shift(result, 0, area.Bottom - p.Bottom);
    }

    if (gravitation.SnapToForms()) {
        for (const TRect& other : context.Others) {
            if (gravitation.OwnedForm() && Meets(Grown(other, size), context.Current) && Docked(context.Current, other))
                continue;
            if (!Meets(Grown(context.Current, size), other))
                continue;
            // Both steps compare the values from before either moved the window.
            const TRect p = visible();
            int dx = 0;
            int dy = 0;
            if (Within(p.Left, other.Right, size) || Within(p.Right, other.Left, size)) {
                dx = Within(p.Left, other.Right, size) ? other.Right - p.Left : other.Left - p.Right;
                if (Within(p.Top, other.Top, size))
                    dy = other.Top - p.Top;
                else if (Within(p.Bottom, other.Bottom, size))
                    dy = other.Bottom - p.Bottom;
            }
            if (Within(p.Top, other.Bottom, size) || Within(p.Bottom, other.Top, size)) {
                dy = Within(p.Top, other.Bottom, size) ? other.Bottom - p.Top : other.Top - p.Bottom;
                if (Within(p.Left, other.Left, size))
                    dx = other.Left - p.Left;
                else if (Within(p.Right, other.Right, size))
                    dx = other.Right - p.Right;
            }
            Shift(result, dx, dy);
        }
    }
    return result;
}
