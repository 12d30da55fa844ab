#pragma once
// Registers the stored properties of the framework controls, the themed control bases and the
// themed controls, and the controls' classes (once, at start-up, before a stored window is read).
void RegisterControlComponents();
