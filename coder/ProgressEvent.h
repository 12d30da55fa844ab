#pragma once
// The progress event that the ripping component and the MP3 coder fire: sender and percent (0 to 100).
#include <cstdint>

#include "framework/Method.h"
#include "framework/Object.h"

using TProgressEvent = TMethod<void(TObject* sender, std::uint16_t percentComplete)>;
