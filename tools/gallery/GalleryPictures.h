#pragma once
// Small pictures for the gallery's buttons and menu items, drawn from code: a disc, a folder, a
// stop square and a note, 16 × 16 each.
#include "framework/ImageList.h"

enum class TGalleryPicture { kgpDisc = 0, kgpFolder = 1, kgpStop = 2, kgpNote = 3 };

TCustomImageList& GalleryPictures();
