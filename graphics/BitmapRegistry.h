#pragma once
// The process-wide list of live bitmaps (those owning a pixel store), which maps a painting
// surface back to the bitmap that owns it.
class QPaintDevice;
class TteBitmap;

// The bitmap that paints on device (TteBitmap::IsSurface), or null.
TteBitmap* FindBitmapBySurface(const QPaintDevice* device);

// How many bitmaps own a pixel store now.
int LiveBitmapCount();

// Kept up to date by TteBitmap itself when it gains or loses its store.
void RegisterBitmap(TteBitmap* bitmap);
void UnregisterBitmap(TteBitmap* bitmap);
