#pragma once
// The progress event that the ripping component and the MP3 coder fire: sender and percent (0 to 100).
#include <cstdint>
#include <functional>

#include "framework/Object.h"

using TProgressEvent = std::function<void(TObject* sender, std::uint16_t percentComplete)>;
