#include "tools/gallery/ControlSections.h"

// Each band lives in a file of its own.
extern const TControlSection kButtonsSection;
extern const TControlSection kBarsSection;
extern const TControlSection kComboGridSection;
extern const TControlSection kPicturesSection;

std::span<const TControlSection> ControlSections()
{
    static const TControlSection sections[] = {kButtonsSection, kPicturesSection, kBarsSection, kComboGridSection};
    return sections;
}
