#pragma once
// Splitting the text values of themes ("Tahoma, 8", "(a=b)") into tokens.
#include <QString>

// Removes the first token and its delimiter from text and answers the token; the token and the
// rest are both trimmed of spaces and control characters. Delimiters: space ( ) , : ; =
QString ExtractToken(QString& text);
// The same with the characters of delimiters.
QString ExtractTokenBy(QString& text, const QString& delimiters);
