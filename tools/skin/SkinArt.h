#pragma once
// Trackwell's own skin, built from code: one atlas of artwork drawn pixel by pixel (so its bytes are
// the same on every machine) and a tree of skin objects for every entry of the skin theme's default
// table. Tests, benchmarks and the generator tool share it.
#include <memory>

#include "framework/Component.h"

class TSeSkinSource;

// The name of the skin's one bitmap.
inline constexpr const char* kSkinAtlasName = "Atlas";

std::unique_ptr<TSeSkinSource, TComponentDeleter> BuildTrackwellSkin();
