#pragma once
// Nested mouse captures: the first one grabs the mouse for its window, the last release lets it go.

class QWidget;

// Grabs the mouse for window when no capture is outstanding; the depth grows by one in any case.
void BeginMouseCapture(QWidget* window);
// The depth shrinks by one; at 0 the grab ends if the remembered window still holds it. An end
// without a begin changes nothing.
void EndMouseCapture();
int MouseCaptureDepth();
