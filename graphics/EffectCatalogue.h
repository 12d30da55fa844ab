#pragma once
// The effects every program has: masks, cell displacements and manual slides, by bare name.
#include <span>

#include "graphics/EffectProcs.h"

template <typename Proc>
struct TteNamedEffect {
    const char* Name;
    Proc Procedure;
};

// In registration order.
std::span<const TteNamedEffect<TteMaskProc>> MaskEffects();
std::span<const TteNamedEffect<TteCellProc>> CellEffects();
std::span<const TteNamedEffect<TteManualProc>> ManualEffects();

// Registers all of them, masks first, then cell displacements, then manual effects.
void RegisterEffectCatalogue();
