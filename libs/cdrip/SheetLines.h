// TSheetLines: a cue sheet's or cdrdao .toc file's lines as words, with errors that name the file and line.
#pragma once

#include "DiscError.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cdrip {

class TSheetLines {
public:
    // Reads the whole file; throws EDiscError when it cannot be read.
    explicit TSheetLines(const std::filesystem::path& sheet);

    // Moves to the next line that holds a word; false at the end. Words are separated by blanks; a word in
    // double quotes keeps its blanks, and "" inside it is a quote. Text after "//" is left out when commentSlashes is set (cdrdao comments).
    bool Next(bool commentSlashes = false);
    const std::vector<std::string>& Words() const { return FWords; }
    size_t LineNumber() const { return FLineNumber; }
    const std::filesystem::path& Sheet() const { return FSheet; }

    // An EDiscError "sheet:line: text" for the current line.
    [[noreturn]] void Fail(const std::string& text) const;
    // Word index of the current line, or Fail with "missing <what>".
    const std::string& Word(size_t index, const char* what) const;
    // Fails when the line has more than count words.
    void ExpectWordCount(size_t count) const;
    // "mm:ss:ff" as sectors, or Fail.
    uint32_t Msf(const std::string& word) const;

private:
    std::filesystem::path FSheet;
    std::string FText;
    size_t FPosition = 0;
    size_t FLineNumber = 0;
    std::vector<std::string> FWords;
};

// "m:ss.ff" of a sector count, as error texts show positions.
std::string SectorTimeText(uint32_t sector);

}
