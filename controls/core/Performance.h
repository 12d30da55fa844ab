#pragma once
// How a themed control buffers its painting.
#include <QStringList>
#include <cstdint>

enum class TTePerformance : std::uint8_t {
    kspNoBuffer,      // straight onto the window's surface
    kspSharedBuffer,  // the one process-wide buffer (SharedBuffer.h), then copied to the window
    kspDoubleBuffer,  // a private bitmap of the control's size for each paint, then copied
};

inline const QStringList& PerformanceNames()
{
    static const QStringList names{"kspNoBuffer", "kspSharedBuffer", "kspDoubleBuffer"};
    return names;
}
