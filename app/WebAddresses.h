#pragma once
// The program's own addresses, in one place: the home and support pages are shipped beside the
// executable (web/), so a link never leads to a page that does not exist.
#include <QString>

// file:// address of the home page shipped with the program.
QString HomePageAddress();
// file:// address of the support page ("support.htm") shipped with the program.
QString SupportPageAddress();
// The support e-mail address, without "mailto:".
QString SupportMailAddress();
// "mailto:" + SupportMailAddress().
QString SupportMailLink();
