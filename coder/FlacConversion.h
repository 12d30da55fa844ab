#pragma once
// WAV (or raw CD audio) to FLAC, one file at a time, beside the MP3 coder's conversion.
#include <QString>
#include <cstdint>
#include <functional>

// How the conversion of one file ended.
struct TFileConversion {
    bool Finished = false;     // false: the progress callback asked to stop; the FLAC file holds what came before
    bool ShortInput = false;   // the WAV file ends before its header says; the audio it holds was converted
};

// Converts input (a 16-bit PCM WAV file, or raw 44100 Hz stereo PCM) into output at the compression level.
// progress gets the percent done after each block and answers whether to go on. Raises ELameError for input that
// cannot be read and EFlacError for output that cannot be written; output is never the input.
TFileConversion ConvertToFlac(const QString& input, const QString& output, int level,
                              const std::function<bool(std::uint16_t percent)>& progress);
