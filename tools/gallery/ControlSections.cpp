#include "tools/gallery/ControlSections.h"

// Each band lives in a file of its own.
extern const TControlSection kButtonsSection;
extern const TControlSection kBarsSection;
extern const TControlSection kComboGridSection;

std::span<const TControlSection> ControlSections()
{
    static const TControlSection sections[] = {kButtonsSection, kBarsSection, kComboGridSection};
    return sections;
}
