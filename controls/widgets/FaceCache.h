#pragma once
// The pixels a themed face left over the background beneath it, kept per state: a repaint in the
// same state over the same background pixels copies them instead of drawing the face again (a
// hover repaint of a button draws the same two faces over and over). The owner clears it when its
// theme, theme object or link changes.
#include <QList>
#include <cstdint>
#include <functional>
#include <vector>

class TCanvas;

class TFaceCache {
public:
    // Draws the face over (0, 0, width, height) of canvas through draw, or copies what draw left
    // there before over the same pixels in the same state. Only canvases on a bitmap without a clip
    // are kept; others are always drawn.
    void Paint(TCanvas& canvas, int width, int height, std::uint8_t state, const std::function<void()>& draw);
    void Clear() { entries_.clear(); }

private:
    struct TEntry {
        std::uint8_t State;
        int Width;
        int Height;
        std::vector<std::uint32_t> Before;
        std::vector<std::uint32_t> After;
    };
    QList<TEntry> entries_;
};
