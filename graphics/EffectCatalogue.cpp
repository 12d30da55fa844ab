#include "graphics/EffectCatalogue.h"

#include "graphics/EffectRegistry.h"

void RegisterEffectCatalogue()
{
    for (const auto& effect : MaskEffects())
        RegisterEffect(QLatin1String(effect.Name), TteEffectKind::kekMask, effect.Procedure);
    for (const auto& effect : CellEffects())
        RegisterEffect(QLatin1String(effect.Name), TteEffectKind::kekCells, effect.Procedure);
    for (const auto& effect : ManualEffects())
        RegisterEffect(QLatin1String(effect.Name), TteEffectKind::kekManual, effect.Procedure);
}
