#pragma once
// Menu clicks wait until every menu loop has ended: a handler may then open a modal window or
// another menu. The loops count themselves in and out here.
class TTeItem;

void EnterMenuLoop();
// The last loop out sends the waiting clicks on their way (to the event loop, not run here).
void LeaveMenuLoop();
int MenuLoopDepth();
// The item's OnClick runs from the event loop once no menu loop runs; an item freed meanwhile is skipped.
void PostMenuClick(TTeItem* item);
