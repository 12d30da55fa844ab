#pragma once
// An image list's picture as a key-transparent bitmap for the theme's glyph drawing, converted
// once per picture and kept: menus draw the same few pictures on every paint.
class TCustomImageList;
class TteBitmap;

// nullptr when the list has no picture at index.
const TteBitmap* ImageListBitmap(const TCustomImageList& images, int index, bool enabled);
