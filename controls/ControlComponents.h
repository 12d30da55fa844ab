#pragma once
// Registers the stored properties of the framework controls and the themed control bases (once,
// at start-up, before a stored window is read).
void RegisterControlComponents();
