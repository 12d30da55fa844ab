// The stored theme "OSXTiger": the element groups in one style.
#include "tools/osxtiger/OsxTiger.h"

#include "tools/osxtiger/TigerElements.h"
#include "tools/osxtiger/TigerStyle.h"

void MakeOsxTiger(TTeThemeMsStyles& theme)
{
    TTigerStyle style;
    tiger::AddMetrics(style);
    tiger::AddWindowFrame(style);
    tiger::AddCaptionButtons(style);
    tiger::AddButtons(style);
    tiger::AddCheckBoxes(style);
    tiger::AddScrollBars(style);
    tiger::AddProgressAndTrackBars(style);
    tiger::AddFields(style);
    tiger::AddLists(style);
    tiger::AddBars(style);
    tiger::AddRollPanel(style);
    style.FillTheme(theme);
}
