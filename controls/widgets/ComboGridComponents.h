#pragma once
// Registers the stored properties of the scroll bar, the grids and the combo boxes.
void RegisterComboGridComponents();
