#pragma once
// The three kinds of effect procedure and the grids they fill. Mask and cell procedures are pure
// functions of (grid size, percent) that write only inside their width × height grid.
#include <cstdint>

class TteAnimationRec;
class TteBitmap;

// One byte per cell: 0 shows the old picture, 255 the new one. Called on a cleared grid; at
// percent 0 it is left as it is, at 100 every cell is 255.
using TteMaskProc = void (*)(std::uint8_t* mask, int width, int height, int percent);

// Which cell of the new picture a cell shows, and how opaque (0: the cell keeps the old picture).
struct TteCellRecord {
    std::uint16_t Alpha = 0;
    std::int16_t Column = 0;
    std::int16_t Row = 0;
};
static_assert(sizeof(TteCellRecord) == 6);
// Called on cleared records; at percent 100 every cell shows itself, opaque.
using TteCellProc = void (*)(TteCellRecord* cells, int width, int height, int percent);

// Draws the frame itself: work holds the old picture, newPicture's key pixels have alpha 0.
using TteManualProc = void (*)(TteBitmap& work, TteBitmap& newPicture, const TteAnimationRec& rec, int percent);
