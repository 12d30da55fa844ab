#pragma once
// The bands of the controls sheet (trackwell-gallery --controls). Each control family builds its
// band in a file of its own; the sheet lays the bands out in a column under their titles, in the
// theme chosen on the command line, and grabs the window through the real paint path.
#include <QSize>
#include <span>

class TWinControl;

struct TControlSection {
    const char* Title;
    // The size of the host window the band's controls are placed in.
    QSize Size;
    // Creates live controls (owned by host) in their interesting states inside host.
    void (*Build)(TWinControl& host);
};

// Every band, in sheet order.
std::span<const TControlSection> ControlSections();
