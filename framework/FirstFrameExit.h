#pragma once
// Start-up measurements: with TRACKWELL_EXIT_AFTER_FIRST_FRAME=1 in the environment the program
// leaves its event loop as soon as its window's first frame has been painted and flushed, so a
// script can time start to first frame from outside the process.
class QWidget;

// Arms the exit for window when the environment asks for it; does nothing otherwise.
void ExitAfterFirstFrameIfAsked(QWidget& window);
