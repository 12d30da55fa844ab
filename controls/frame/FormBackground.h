#pragma once
// The background painter of every framework form: a transparent control on a form shows the
// client background that the form's active frame paints, or the form's colour without one.
class TForm;
class TTeDefaultForm;

// Registers it unless it is the painter found for form already (a frame does on construction and
// when it takes over its window, after the theme manager registered the framework's painters).
void RegisterFormBackgroundPainter(const TForm* form);
// The form's first frame component that is active and has taken over the window; nullptr if none.
TTeDefaultForm* ActiveFrameOf(const TForm* form);
