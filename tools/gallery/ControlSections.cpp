#include "tools/gallery/ControlSections.h"

// Each band lives in a file of its own.
extern const TControlSection kButtonsSection;

std::span<const TControlSection> ControlSections()
{
    static const TControlSection sections[] = {kButtonsSection};
    return sections;
}
