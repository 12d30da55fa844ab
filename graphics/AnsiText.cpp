#include "graphics/AnsiText.h"

#include <QStringDecoder>
#include <optional>

namespace {

QStringDecoder DecoderFor(unsigned codePage)
{
    if (codePage == CP_ACP)
        return QStringDecoder(QStringConverter::System);
    if (codePage == CP_UTF8)
        return QStringDecoder(QStringConverter::Utf8);
    // Code pages by their platform number, as the conversion library names them.
    return QStringDecoder(QByteArray("CP").append(QByteArray::number(codePage)).constData());
}

std::optional<QString> Decode(QStringDecoder decoder, const QByteArray& text)
{
    if (!decoder.isValid())
        return std::nullopt;
    QString result = decoder.decode(text);
    if (decoder.hasError())
        return std::nullopt;
    return result;
}

}  // namespace

QString AnsiToWide(unsigned codePage, const QByteArray& text)
{
    if (text.isEmpty())
        return {};
    if (auto result = Decode(DecoderFor(codePage), text))
        return *result;
    if (auto result = Decode(DecoderFor(CP_ACP), text))
        return *result;
    return QString(text.size(), u'?');
}
