#pragma once
// Registers the framework's own window classes (form, plain controls, the open-file dialog) with the
// component streaming, so that stored window descriptions can name them.
void RegisterStandardComponents();
