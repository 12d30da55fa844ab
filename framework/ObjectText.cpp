#include "framework/ObjectText.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "framework/HexPairs.h"
#include "framework/ValueStream.h"

namespace {

constexpr int kHexBytesPerLine = 32;

bool IsIdentStart(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool IsIdentChar(QChar c)
{
    return IsIdentStart(c) || (c >= u'0' && c <= u'9') || c == u'.';
}

// Names taken from a binary stream must read back as names from the text.
QString CheckedIdent(const QString& ident)
{
    bool ok = !ident.isEmpty() && IsIdentStart(ident.front());
    for (QChar c : ident)
        ok = ok && IsIdentChar(c);
    if (!ok)
        TValueReader::Invalid(QStringLiteral("'%1' is not an identifier").arg(ident));
    return ident;
}

QString QuotedString(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("''");
    QString out;
    bool quoted = false;
    for (QChar c : text) {
        const ushort code = c.unicode();
        if (code >= 32 && code < 127) {
            if (!quoted) {
                out += u'\'';
                quoted = true;
            }
            out += c;
            if (c == u'\'')
                out += u'\'';
        } else {
            if (quoted) {
                out += u'\'';
                quoted = false;
            }
            out += u'#' + QString::number(code);
        }
    }
    if (quoted)
        out += u'\'';
    return out;
}

QString FloatText(double value)
{
    if (!std::isfinite(value))
        TValueReader::Invalid(QStringLiteral("%1 is not a finite number").arg(value));
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    if (!text.contains(u'.') && !text.contains(u'e'))
        text += QStringLiteral(".0");
    return text;
}

class BinaryToText {
public:
    explicit BinaryToText(TStream& input) : in_(input) {}

    QByteArray Convert()
    {
        in_.ReadSignature();
        ConvertObject(0);
        return (lines_.join(u'\n') + u'\n').toUtf8();
    }

private:
    void Line(int indent, const QString& text) { lines_ << QString(indent * 2, u' ') + text; }

    void ConvertObject(int indent)
    {
        if (indent > kMaxStreamNesting)
            TValueReader::Invalid(QStringLiteral("components nested too deeply"));
        const QString className = CheckedIdent(in_.ReadName());
        const QString name = in_.ReadName();
        Line(indent, name.isEmpty() ? QStringLiteral("object ") + className
                                    : QStringLiteral("object %1: %2").arg(CheckedIdent(name), className));
        ConvertProperties(indent + 1);
        while (in_.ReadChildMarker())
            ConvertObject(indent + 1);
        Line(indent, QStringLiteral("end"));
    }

    void ConvertProperties(int indent)
    {
        for (QString name = in_.ReadName(); !name.isEmpty(); name = in_.ReadName()) {
            // The text form would read these as the start or end of an object.
            if (name.compare(u"object", Qt::CaseInsensitive) == 0 || name.compare(u"end", Qt::CaseInsensitive) == 0)
                TValueReader::Invalid(QStringLiteral("'%1' cannot be a property name").arg(name));
            ConvertValue(indent, CheckedIdent(name) + QStringLiteral(" = "));
        }
    }

    void ConvertValue(int indent, const QString& head)
    {
        const TValueType type = in_.ReadType();
        switch (type) {
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
        case TValueType::vaInt64: Line(indent, head + QString::number(in_.ReadIntegerBody(type))); return;
        case TValueType::vaDouble: Line(indent, head + FloatText(in_.ReadDoubleBody())); return;
        case TValueType::vaString: Line(indent, head + QuotedString(QString::fromLatin1(in_.ReadString8Body()))); return;
        case TValueType::vaWString: Line(indent, head + QuotedString(in_.ReadWStringBody())); return;
        case TValueType::vaIdent: Line(indent, head + CheckedIdent(in_.ReadIdentBody())); return;
        case TValueType::vaFalse: Line(indent, head + QStringLiteral("False")); return;
        case TValueType::vaTrue: Line(indent, head + QStringLiteral("True")); return;
        case TValueType::vaNil: Line(indent, head + QStringLiteral("nil")); return;
        case TValueType::vaSet: {
            QStringList names = in_.ReadSetBody();
            for (const QString& name : names)
                CheckedIdent(name);
            Line(indent, head + u'[' + names.join(QStringLiteral(", ")) + u']');
            return;
        }
        case TValueType::vaBinary: {
            const QByteArray bytes = in_.ReadBinaryBody();
            if (bytes.isEmpty()) {
                Line(indent, head + QStringLiteral("{}"));
                return;
            }
            Line(indent, head + u'{');
            for (qsizetype at = 0; at < bytes.size(); at += kHexBytesPerLine)
                Line(indent + 1, QString::fromLatin1(bytes.mid(at, kHexBytesPerLine).toHex().toUpper()));
            lines_.last() += u'}';
            return;
        }
        case TValueType::vaCollection: {
            if (indent > 2 * kMaxStreamNesting)
                TValueReader::Invalid(QStringLiteral("collections nested too deeply"));
            Line(indent, head + u'<');
            for (TValueType item = in_.ReadType(); item != TValueType::vaNull; item = in_.ReadType()) {
                if (item != TValueType::vaList)
                    TValueReader::Invalid(QStringLiteral("%1 where a collection item was expected").arg(ValueTypeDescription(item)));
                Line(indent + 1, QStringLiteral("item"));
                ConvertProperties(indent + 2);
                Line(indent + 1, QStringLiteral("end"));
            }
            // "<>" when empty, else the last "end>".
            lines_.last() += u'>';
            return;
        }
        case TValueType::vaValueList: {
            if (indent > 2 * kMaxStreamNesting)
                TValueReader::Invalid(QStringLiteral("lists nested too deeply"));
            Line(indent, head + u'(');
            for (TValueType item = in_.PeekType(); item != TValueType::vaNull; item = in_.PeekType())
                ConvertValue(indent + 1, QString());
            in_.ReadType();
            // "()" when empty, else after the last value.
            lines_.last() += u')';
            return;
        }
        case TValueType::vaNull:
        case TValueType::vaList:
            TValueReader::Invalid(QStringLiteral("%1 where a value was expected").arg(ValueTypeDescription(type)));
        }
    }

    TValueReader in_;
    QStringList lines_;
};

// --- text to binary

enum class Token { tkEnd, tkIdent, tkString, tkInteger, tkFloat, tkSymbol };

// Unit is char16_t for text in a QString, unsigned char for Latin-1 bytes read as they are stored
// (one character a byte), which spares converting them first.
template <typename Unit>
class TextToBinary {
public:
    TextToBinary(const Unit* chars, qsizetype size, TStream& output) : chars_(chars), size_(size), out_(output)
    {
        Next();
    }

    void Convert()
    {
        out_.WriteSignature();
        ParseObject(0);
        if (token_ != Token::tkEnd)
            Expected(QStringLiteral("end of text"));
    }

private:
    [[noreturn]] void Error(const QString& what) const
    {
        throw EParserError(QStringLiteral("Line %1: %2").arg(tokenLine_).arg(what));
    }
    [[noreturn]] void Expected(const QString& what) const
    {
        Error(QStringLiteral("%1 expected but %2 found").arg(what, Describe()));
    }
    QString Describe() const
    {
        switch (token_) {
        case Token::tkEnd: return QStringLiteral("end of text");
        case Token::tkString: return QStringLiteral("a string");
        default: return u'\'' + Text(tokenStart_, tokenEnd_) + u'\'';
        }
    }
    bool IsSymbol(QChar c) const { return token_ == Token::tkSymbol && symbol_ == c; }
    bool IsKeyword(const char* word) const
    {
        return token_ == Token::tkIdent && spelling_.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    void ExpectSymbol(QChar c)
    {
        if (!IsSymbol(c))
            Expected(u'\'' + QString(c) + u'\'');
        Next();
    }
    QString ExpectIdent()
    {
        if (token_ != Token::tkIdent)
            Expected(QStringLiteral("Identifier"));
        const QString ident = spelling_;
        Next();
        return ident;
    }

    QString Text(qsizetype from, qsizetype to) const
    {
        if constexpr (sizeof(Unit) == 1)
            return QString::fromLatin1(reinterpret_cast<const char*>(chars_ + from), to - from);
        else
            return QString(reinterpret_cast<const QChar*>(chars_ + from), to - from);
    }
    static QChar At(Unit unit) { return QChar(static_cast<char16_t>(unit)); }
    QChar Peek(qsizetype ahead = 0) const { return pos_ + ahead < size_ ? At(chars_[pos_ + ahead]) : QChar(); }
    bool AtEnd() const { return pos_ >= size_; }
    void Advance()
    {
        if (chars_[pos_] == u'\n')
            ++line_;
        ++pos_;
    }

    void SkipBlanks()
    {
        while (!AtEnd() && Peek().isSpace())
            Advance();
    }

    void Next()
    {
        SkipBlanks();
        tokenLine_ = line_;
        tokenStart_ = pos_;
        spelling_.clear();
        if (AtEnd()) {
            token_ = Token::tkEnd;
        } else if (const QChar c = Peek(); IsIdentStart(c)) {
            while (!AtEnd() && IsIdentChar(Peek()))
                ++pos_;
            spelling_ = Text(tokenStart_, pos_);
            token_ = Token::tkIdent;
        } else if (c == u'\'' || c == u'#') {
            ScanString();
        } else if (c == u'$' || c == u'-' || c.isDigit()) {
            ScanNumber();
        } else {
            symbol_ = c;
            Advance();
            token_ = Token::tkSymbol;
        }
        tokenEnd_ = pos_;
    }

    void ScanString()
    {
        token_ = Token::tkString;
        for (;;) {
            if (Peek() == u'\'') {
                Advance();
                for (;;) {
                    // A run without quotes or line ends is taken whole.
                    const qsizetype run = pos_;
                    while (!AtEnd() && Peek() != u'\'' && Peek() != u'\n')
                        ++pos_;
                    spelling_ += Text(run, pos_);
                    if (AtEnd() || Peek() == u'\n')
                        Error(QStringLiteral("Unterminated string"));
                    Advance();
                    if (Peek() != u'\'')
                        break;
                    spelling_ += u'\'';
                    Advance();
                }
            } else if (Peek() == u'#') {
                Advance();
                QString digits;
                while (!AtEnd() && Peek().isDigit() && digits.size() < 6) {
                    digits += Peek();
                    Advance();
                }
                bool ok = false;
                const uint code = digits.toUInt(&ok);
                if (!ok || code > 0xFFFF)
                    Error(QStringLiteral("Invalid character code #%1").arg(digits));
                spelling_ += QChar(static_cast<char16_t>(code));
            } else {
                return;
            }
        }
    }

    // Integers are read from their ASCII digits without a string in between: most values are.
    // Other digits, and runs longer than any integer's, take the string's reading.
    bool ReadInteger(bool negative, qsizetype from, qsizetype to, int base)
    {
        char digits[24];
        qsizetype count = 0;
        if (negative)
            digits[count++] = '-';
        const bool ascii = std::all_of(chars_ + from, chars_ + to, [](Unit unit) { return unit < 128; });
        if (!ascii || to - from > qsizetype(sizeof digits) - count) {
            bool ok = false;
            integer_ = (negative ? u'-' + Text(from, to) : Text(from, to)).toLongLong(&ok, base);
            return ok;
        }
        for (qsizetype i = from; i < to; ++i)
            digits[count++] = static_cast<char>(chars_[i]);
        const auto [end, error] = std::from_chars(digits, digits + count, integer_, base);
        return error == std::errc() && end == digits + count;
    }

    void ScanNumber()
    {
        const qsizetype start = pos_;
        const bool negative = Peek() == u'-';
        if (negative)
            Advance();
        if (Peek() == u'$') {
            Advance();
            const qsizetype digits = pos_;
            while (!AtEnd() && (Peek().isDigit() || (Peek().toLower() >= u'a' && Peek().toLower() <= u'f')))
                Advance();
            if (!ReadInteger(negative, digits, pos_, 16))
                Error(QStringLiteral("Invalid hexadecimal number"));
            token_ = Token::tkInteger;
            return;
        }
        bool isFloat = false;
        while (!AtEnd()) {
            const QChar c = Peek();
            if (c == u'.' || c == u'e' || c == u'E') {
                isFloat = true;
                if ((c == u'e' || c == u'E') && (Peek(1) == u'+' || Peek(1) == u'-'))
                    Advance();
            } else if (!c.isDigit()) {
                break;
            }
            Advance();
        }
        bool ok = false;
        if (isFloat) {
            float_ = Text(start, pos_).toDouble(&ok);
            ok = ok && std::isfinite(float_);
            token_ = Token::tkFloat;
        } else {
            ok = ReadInteger(negative, negative ? start + 1 : start, pos_, 10);
            token_ = Token::tkInteger;
        }
        if (!ok)
            Error(QStringLiteral("Invalid number '%1'").arg(Text(start, pos_)));
    }

    void ParseObject(int depth)
    {
        if (depth > kMaxStreamNesting)
            Error(QStringLiteral("Objects nested too deeply"));
        if (!IsKeyword("object"))
            Expected(QStringLiteral("'object'"));
        Next();
        QString name;
        QString className = ExpectIdent();
        if (IsSymbol(u':')) {
            Next();
            name = className;
            className = ExpectIdent();
        }
        out_.WriteName(className);
        out_.WriteName(name);
        ParseProperties(depth);
        out_.WriteName(QString());
        while (IsKeyword("object")) {
            out_.WriteChildMarker(true);
            ParseObject(depth + 1);
        }
        if (!IsKeyword("end"))
            Expected(QStringLiteral("'end'"));
        Next();
        out_.WriteChildMarker(false);
    }

    void ParseProperties(int depth)
    {
        while (token_ == Token::tkIdent && !IsKeyword("object") && !IsKeyword("end")) {
            const QString name = spelling_;
            Next();
            out_.WriteName(name);
            ExpectSymbol(u'=');
            ParseValue(depth);
        }
    }

    void ParseValue(int depth)
    {
        switch (token_) {
        case Token::tkInteger:
            out_.WriteInteger(integer_);
            Next();
            return;
        case Token::tkFloat:
            out_.WriteDouble(float_);
            Next();
            return;
        case Token::tkString: {
            QString text = spelling_;
            Next();
            // Long strings may be split into pieces joined with '+'.
            while (IsSymbol(u'+')) {
                Next();
                if (token_ != Token::tkString)
                    Expected(QStringLiteral("String"));
                text += spelling_;
                Next();
            }
            out_.WriteString(text);
            return;
        }
        case Token::tkIdent:
            if (IsKeyword("False"))
                out_.WriteType(TValueType::vaFalse);
            else if (IsKeyword("True"))
                out_.WriteType(TValueType::vaTrue);
            else if (IsKeyword("nil"))
                out_.WriteType(TValueType::vaNil);
            else
                out_.WriteIdent(spelling_);
            Next();
            return;
        case Token::tkSymbol:
            if (IsSymbol(u'['))
                return ParseSet();
            if (IsSymbol(u'<'))
                return ParseCollection(depth);
            if (IsSymbol(u'{'))
                return ParseBinary();
            if (IsSymbol(u'('))
                return ParseList(depth);
            break;
        case Token::tkEnd: break;
        }
        Expected(QStringLiteral("Value"));
    }

    void ParseSet()
    {
        Next();
        QStringList names;
        if (!IsSymbol(u']')) {
            names << ExpectIdent();
            while (IsSymbol(u',')) {
                Next();
                names << ExpectIdent();
            }
        }
        ExpectSymbol(u']');
        out_.WriteSet(names);
    }

    void ParseCollection(int depth)
    {
        // As deep as the binary-to-text conversion writes them, so its text always reads back.
        if (depth > 2 * kMaxStreamNesting)
            Error(QStringLiteral("Collections nested too deeply"));
        Next();
        out_.WriteType(TValueType::vaCollection);
        while (IsKeyword("item")) {
            Next();
            out_.WriteType(TValueType::vaList);
            ParseProperties(depth + 1);
            if (!IsKeyword("end"))
                Expected(QStringLiteral("'end'"));
            Next();
            out_.WriteName(QString());
        }
        ExpectSymbol(u'>');
        out_.WriteType(TValueType::vaNull);
    }

    void ParseList(int depth)
    {
        if (depth > 2 * kMaxStreamNesting)
            Error(QStringLiteral("Lists nested too deeply"));
        Next();
        out_.WriteType(TValueType::vaValueList);
        while (!IsSymbol(u')')) {
            if (token_ == Token::tkEnd)
                Expected(QStringLiteral("')'"));
            ParseValue(depth + 1);
        }
        Next();
        out_.WriteType(TValueType::vaNull);
    }

    // The hexadecimal digits between the braces, in lines of any length, decoded as they are
    // scanned: blobs run to many kilobytes.
    void ParseBinary()
    {
        const Unit* close = FindClosingBrace();
        QByteArray bytes((close - chars_ - pos_) / 2, Qt::Uninitialized);
        char* out = bytes.data();
        const Unit* at = chars_ + pos_;
        int high = -1;
        while (at != close) {
            // Nearly every digit comes in a pair, in lines of many pairs.
            if (high < 0) {
                at = DecodeHexPairs(at, close, out);
                if (at == close)
                    break;
            }
            const QChar c = At(*at++);
            const int digit = HexDigit(c.unicode());
            if (digit < 0) {
                if (c == u'\n')
                    ++line_;
                else if (!c.isSpace())
                    Error(QStringLiteral("Invalid binary data: '%1'").arg(c));
            } else if (high < 0) {
                high = digit;
            } else {
                *out++ = static_cast<char>(high << 4 | digit);
                high = -1;
            }
        }
        pos_ = close - chars_;
        if (AtEnd())
            Error(QStringLiteral("Unterminated binary data: '}' expected"));
        if (high >= 0)
            Error(QStringLiteral("Binary data has an odd number of hexadecimal digits"));
        Advance();
        bytes.truncate(out - bytes.constData());
        out_.WriteBinary(bytes);
        Next();
    }

    // The first '}' from the position on, or the end of the text.
    const Unit* FindClosingBrace() const
    {
        if constexpr (sizeof(Unit) == 1) {
            const void* found = std::memchr(chars_ + pos_, '}', static_cast<std::size_t>(size_ - pos_));
            return found != nullptr ? static_cast<const Unit*>(found) : chars_ + size_;
        } else {
            return std::find(chars_ + pos_, chars_ + size_, u'}');
        }
    }

    const Unit* chars_;
    qsizetype size_;
    TValueWriter out_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
    // The token's characters, for messages.
    qsizetype tokenStart_ = 0;
    qsizetype tokenEnd_ = 0;
    Token token_ = Token::tkEnd;
    // The text of an identifier or string token.
    QString spelling_;
    QChar symbol_;
    std::int64_t integer_ = 0;
    double float_ = 0;
};

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output)
{
    const QByteArray text = BinaryToText(input).Convert();
    output.WriteBuffer(text.constData(), text.size());
}

void ObjectTextToBinary(TStream& input, TStream& output)
{
    const std::int64_t size = input.Size() - input.Position();
    QByteArray bytes(static_cast<qsizetype>(std::max<std::int64_t>(size, 0)), Qt::Uninitialized);
    input.ReadBuffer(bytes.data(), bytes.size());
    ObjectTextToBinary(QString::fromUtf8(bytes), output);
}

void ObjectTextToBinary(const QString& text, TStream& output)
{
    TextToBinary<char16_t>(reinterpret_cast<const char16_t*>(text.utf16()), text.size(), output).Convert();
}

void ObjectLatin1TextToBinary(const QByteArray& text, TStream& output)
{
    TextToBinary<unsigned char>(reinterpret_cast<const unsigned char*>(text.constData()), text.size(), output)
        .Convert();
}
