#pragma once
// The stored properties of the window frame components (their menu bar is checked to be one).
void RegisterTeFormProperties();
