#pragma once
// 8-bit text in a platform code page turned into text.
#include <QByteArray>
#include <QString>

constexpr unsigned CP_ACP = 0;
constexpr unsigned CP_UTF8 = 65001;

// text decoded in codePage (CP_ACP: the system's own encoding); when that code page is unknown or
// the bytes are not valid in it, the system encoding is tried; when that fails too, one "?" per
// byte. Control codes stay control codes.
QString AnsiToWide(unsigned codePage, const QByteArray& text);
