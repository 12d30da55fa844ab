#pragma once
// The --menu sheet's second panel: a framed window of the program's kind with its system menu open,
// as a right click on the caption opens it.
#include <QImage>

QImage GrabOpenSystemMenu();
