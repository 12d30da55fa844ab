// The text renderer until the rotated-text helper lands.
#include "theme/Theme.h"

#include "framework/Canvas.h"

void TteTheme::DrawText(TCanvas&, const TteTextInfo&) {}
