#pragma once
// How the effects' grids become pixels: rotation of a grid, a mask scaled onto a picture's alpha
// over the tiles, and cell displacements copied or blended into the work picture.
#include <cstdint>

#include "framework/Types.h"
#include "graphics/AnimationRec.h"
#include "graphics/EffectProcs.h"

class TteBitmap;

// The size of the grid a procedure fills before rotation: width and height exchanged for quarter
// turns.
TSize RotatedGridSize(int columns, int rows, TteRotation rotation);
// Where cell (a, b) of that grid lands in the columns × rows grid.
TPoint RotateCell(int a, int b, int columns, int rows, TteRotation rotation);
// Turns a grid filled at RotatedGridSize into the columns × rows grid.
void RotateMask(const std::uint8_t* filled, std::uint8_t* mask, int columns, int rows, TteRotation rotation);
// The same for cell records, whose source cells turn with them.
void RotateCells(const TteCellRecord* filled, TteCellRecord* cells, int columns, int rows, TteRotation rotation);

// Sets the alpha of picture's pixels from the mask, scaled by nearest cell onto each of the
// tileCount × tileCount rectangles of resolution × columns by resolution × rows pixels.
void SetMaskAlpha(TteBitmap& picture, const std::uint8_t* mask, int columns, int rows, int resolution, int tileCount);
// Every cell of every tile shows the cell of the new picture its record names, in the same tile.
void ComposeCells(TteBitmap& work, const TteBitmap& newPicture, const TteCellRecord* cells, int columns, int rows,
                  int resolution, int tileCount);
// Alpha 0 on every key pixel.
void ClearKeyAlpha(TteBitmap& picture);
