#include "SheetText.h"

namespace cdrip {

namespace {

// Length of the UTF-8 sequence at text[i], or 0 when it is none (overlong forms, surrogates and code points
// beyond U+10FFFF included).
size_t Utf8SequenceLength(const std::string& text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (i + length > text.size())
        return 0;
    // The second byte's range rules out overlong forms, surrogates and values beyond U+10FFFF.
    const unsigned lowest = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned highest = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (byte(i + 1) < lowest || byte(i + 1) > highest)
        return 0;
    for (size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return length;
}

bool IsUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string Utf8FromLatin1(const std::string& text)
{
    std::string utf8;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

}

std::string SheetText(const std::vector<std::string>& words, size_t first)
{
    std::string text;
    for (size_t i = first; i < words.size(); ++i) {
        if (i > first)
            text += ' ';
        text += words[i];
    }
    return IsUtf8(text) ? text : Utf8FromLatin1(text);
}

}
