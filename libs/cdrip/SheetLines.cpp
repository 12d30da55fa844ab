#include "SheetLines.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace cdrip {

namespace {
// Sheets are a few kilobytes; anything far larger is not a sheet and is refused before it is read whole.
constexpr std::uintmax_t kLargestSheet = 1 << 20;
}

TSheetLines::TSheetLines(const std::filesystem::path& sheet) : FSheet(sheet)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(sheet, error);
    if (error)
        throw EDiscError(sheet.string() + ": cannot be read (" + error.message() + ")");
    if (size > kLargestSheet)
        throw EDiscError(sheet.string() + ": too large for a cue sheet or .toc file");
    std::ifstream in(sheet, std::ios::binary);
    FText.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in && !in.eof())
        throw EDiscError(sheet.string() + ": cannot be read");
    // Sheets written on Windows often start with a UTF-8 byte-order mark.
    if (FText.starts_with("\xEF\xBB\xBF"))
        FPosition = 3;
}

bool TSheetLines::Next(bool commentSlashes)
{
    while (FPosition < FText.size()) {
        const size_t end = std::min(FText.find('\n', FPosition), FText.size());
        const std::string_view line(FText.data() + FPosition, end - FPosition);
        FPosition = end + 1;
        ++FLineNumber;
        FWords.clear();
        for (size_t i = 0; i < line.size();) {
            const char c = line[i];
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++i;
            } else if (commentSlashes && line.substr(i, 2) == "//") {
                break;
            } else if (c == '"') {
                // A quote doubled inside quotes is one quote of the text, as our own sheets write titles that hold
                // quotes; such a line meant nothing readable before.
                std::string word;
                size_t from = i + 1;
                for (;;) {
                    const size_t close = line.find('"', from);
                    if (close == std::string_view::npos)
                        Fail("a quoted name has no closing quote");
                    word += line.substr(from, close - from);
                    if (close + 1 >= line.size() || line[close + 1] != '"') {
                        i = close + 1;
                        break;
                    }
                    word += '"';
                    from = close + 2;
                }
                FWords.push_back(std::move(word));
            } else {
                size_t stop = i;
                while (stop < line.size() && !std::isspace(static_cast<unsigned char>(line[stop])))
                    ++stop;
                FWords.emplace_back(line.substr(i, stop - i));
                i = stop;
            }
        }
        for (const std::string& word : FWords)
            for (const char c : word)
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                    Fail("control characters in the line");
        if (!FWords.empty())
            return true;
    }
    return false;
}

void TSheetLines::Fail(const std::string& text) const
{
    throw EDiscError(FSheet.string() + ":" + std::to_string(FLineNumber) + ": " + text);
}

const std::string& TSheetLines::Word(size_t index, const char* what) const
{
    if (index >= FWords.size())
        Fail(std::string("missing ") + what);
    return FWords[index];
}

void TSheetLines::ExpectWordCount(size_t count) const
{
    if (FWords.size() > count)
        Fail("unexpected \"" + FWords[count] + "\"");
}

uint32_t TSheetLines::Msf(const std::string& word) const
{
    unsigned parts[3] = {};
    const char* at = word.data();
    const char* const end = word.data() + word.size();
    for (int i = 0; i < 3; ++i) {
        const auto [next, error] = std::from_chars(at, end, parts[i]);
        const bool separatorFollows = next < end && *next == ':';
        if (error != std::errc() || next == at || (i < 2 ? !separatorFollows : next != end))
            Fail("\"" + word + "\" is no time of the form mm:ss:ff");
        at = next + 1;
    }
    if (parts[1] >= 60 || parts[2] >= 75 || parts[0] > 999)
        Fail("\"" + word + "\" is no time of the form mm:ss:ff");
    return (parts[0] * 60 + parts[1]) * 75 + parts[2];
}

std::string SectorTimeText(uint32_t sector)
{
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u.%02u", sector / (75 * 60), sector / 75 % 60, sector % 75);
    return text;
}

}
