#pragma once
// The composition rules over rows of pixels, one kernel per rule, picked once per process from
// the scalar reference or a vector version for the processor.
#include <cstddef>

#include "graphics/Pixel.h"

// Kernels take plain rows and know nothing of bitmaps or Qt. Counts are pixels.
using TRowCopyProc = void (*)(const TteColor* source, TteColor* destination, std::size_t count);
using TRowClearKeyProc = void (*)(TteColor* row, std::size_t count, TteColor color);
using TRowKeyNearProc = unsigned (*)(TteColor* row, std::size_t count);

// What a near-key kernel answers about the row it left.
constexpr unsigned kRowKeyed = 1;    // some pixel became the key
constexpr unsigned kRowBlended = 2;  // some pixel has an alpha between 0 and 255

struct TRowKernels {
    const char* Name;
    // d = s; the rows may overlap.
    TRowCopyProc Copy;
    // Non-key s is written with alpha 255; key pixels leave d.
    TRowCopyProc KeyCopy;
    // alpha(s) 0 leaves d, 255 copies s, anything between blends s over d (BlendPixel).
    TRowCopyProc Blend;
    // Alpha 0 where the low 24 bits equal the colour's.
    TRowClearKeyProc ClearKeyAlpha;
    // Pixels within 5 of magenta (255, 0, 255) or of the key's colour (127, 0, 127) in each colour
    // channel become TransparentKey; answers kRowKeyed and kRowBlended.
    TRowKeyNearProc KeyNear;
};

// The kernels every drawing operation uses: the best the processor offers, or the scalar
// reference when TRACKWELL_SCALAR=1 was set at start-up.
const TRowKernels& RowKernels();

// Each implementation on its own, for tests and benchmarks; null when the processor lacks it.
const TRowKernels& ScalarRowKernels();
const TRowKernels* Sse2RowKernels();
const TRowKernels* Avx2RowKernels();
