// TLayoutBuilder: puts a sheet's files, silences and track starts together into a TImageLayout, in disc order.
#pragma once

#include "DataFile.h"
#include "ImageLayout.h"
#include "SheetLines.h"

#include <string>

namespace cdrip {

class TLayoutBuilder {
public:
    // Errors name the sheet's current line.
    explicit TLayoutBuilder(const TSheetLines& lines) : FLines(lines) {}

    struct TFile {
        int Index = -1;
        TDataFile Data;
        uint32_t Sectors = 0;   // a short last sector counts: it is padded with silence, not dropped
    };
    // Opens a file named relative to the sheet's folder.
    TFile AddFile(const std::string& name, TDataFileKind kind);

    // Appends sectors of a file, starting byteOffset bytes into its sector data; fails when the file ends first.
    void AppendFile(const TFile& file, uint64_t byteOffset, uint32_t sectors, bool swapBytes);
    void AppendSilence(uint32_t sectors);
    // The disc sector that the next appended sector gets.
    uint32_t Position() const { return FPosition; }

    // Starts the next track at a disc sector; fails unless it lies after the previous track's start.
    void StartTrack(uint32_t sector, bool audio);
    // The lead-out follows the last appended sector; fails without tracks or with an empty last track.
    TImageLayout Finish();

private:
    const TSheetLines& FLines;
    TImageLayout FLayout;
    uint32_t FPosition = 0;
};

}
