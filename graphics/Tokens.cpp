#include "graphics/Tokens.h"

namespace {

// Spaces and control characters, as the platform's trimming sees them.
bool IsBlank(QChar c)
{
    return c.unicode() <= u' ';
}

QString Trimmed(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && IsBlank(text[from]))
        ++from;
    while (to > from && IsBlank(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

}  // namespace

QString ExtractTokenBy(QString& text, const QString& delimiters)
{
    qsizetype i = 0;
    while (i < text.size() && !delimiters.contains(text[i]))
        ++i;
    const QString token = Trimmed(text.left(i));
    text = Trimmed(text.mid(i + 1));
    return token;
}

QString ExtractToken(QString& text)
{
    return ExtractTokenBy(text, QStringLiteral(" (),:;="));
}
