// The scripted stand-in for the CD extraction library: parses the script of ScriptedCDRip.h and plays it.
#include "ScriptedCDRip.h"

#include "libs/cdrip/CDRip.h"
#include "libs/cdrip/TextCopy.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TChunk {
    int32_t Status = CR_CHUNK_READ;
    int32_t Bytes = 0;
    int32_t Percent = 0;
    bool Jitter = false;
    uint32_t JitterFirst = 0, JitterLast = 0;
};

struct TRange {
    int32_t Open = CR_CHUNK_READ;
    int32_t BufferSize = 0;
    std::vector<TChunk> Chunks;
    int32_t JitterCount = 0;
};

struct TDrive {
    int32_t Select = CR_CHUNK_READ;
    int32_t Parameters = CR_CHUNK_READ;
    CR_DriveParameters Record{};
    int32_t Toc = CR_CHUNK_READ;
    std::vector<CR_TocEntry> Entries;
    std::optional<uint32_t> LeadOut;
    std::string Catalog;
    std::map<int32_t, std::string> Isrcs;                        // by 1-based track
    std::map<std::pair<int32_t, int32_t>, std::string> Texts;    // by (track, CR_TEXT_ field)
};

struct TScript {
    int32_t Version = 100;
    int32_t Init = CR_CHUNK_READ;
    int32_t Active = 0;
    std::vector<TDrive> Drives;
    std::vector<int32_t> SetParameters;
    std::vector<TRange> Ranges;
};

int32_t Answer(const std::string& word, bool& ok)
{
    if (word == "ok")
        return CR_CHUNK_READ;
    if (word != "fail")
        ok = false;
    return CR_FAILURE;
}

bool SetRecordField(CR_DriveParameters& record, const std::string& pair)
{
    const size_t equals = pair.find('=');
    if (equals == std::string::npos)
        return false;
    const std::string key = pair.substr(0, equals);
    const std::string value = pair.substr(equals + 1);
    if (key == "id") {
        std::strncpy(record.DriveId, value.c_str(), sizeof record.DriveId - 1);
        return true;
    }
    // Offsets, since the record is packed and its output format unaligned.
    static const std::map<std::string, size_t> kFields = {{"speed", offsetof(CR_DriveParameters, ReadSpeed)},
        {"jitter", offsetof(CR_DriveParameters, JitterCorrection)}, {"type", offsetof(CR_DriveParameters, DriveType)},
        {"read", offsetof(CR_DriveParameters, ReadMethod)}, {"setspeed", offsetof(CR_DriveParameters, SetSpeed)},
        {"endian", offsetof(CR_DriveParameters, Endian)}, {"enable", offsetof(CR_DriveParameters, EnableMode)},
        {"density", offsetof(CR_DriveParameters, Density)}, {"atapi", offsetof(CR_DriveParameters, Atapi)},
        {"format", offsetof(CR_DriveParameters, OutputFormat)}};
    const auto field = kFields.find(key);
    char* end = nullptr;
    const auto number = static_cast<int32_t>(std::strtol(value.c_str(), &end, 10));
    if (field == kFields.end() || value.empty() || *end != '\0')
        return false;
    std::memcpy(reinterpret_cast<char*>(&record) + field->second, &number, sizeof number);
    return true;
}

// The words from first on joined by blanks, with \xHH escapes replaced by their bytes; false on a bad escape.
bool JoinText(const std::vector<std::string>& words, size_t first, std::string& text)
{
    std::string joined;
    for (size_t i = first; i < words.size(); ++i)
        joined += (i > first ? " " : "") + words[i];
    for (size_t i = 0; i < joined.size(); ++i) {
        if (joined.compare(i, 2, "\\x") != 0) {
            text += joined[i];
            continue;
        }
        char* end = nullptr;
        const std::string hex = joined.substr(i + 2, 2);
        const long byte = std::strtol(hex.c_str(), &end, 16);
        if (hex.size() != 2 || *end != '\0')
            return false;
        text += static_cast<char>(byte);
        i += 3;
    }
    return true;
}

int32_t TextField(const std::string& name)
{
    static const std::map<std::string, int32_t> kFields = {{"title", CR_TEXT_TITLE}, {"performer", CR_TEXT_PERFORMER},
        {"songwriter", CR_TEXT_SONGWRITER}, {"genre", CR_TEXT_GENRE}, {"date", CR_TEXT_DATE}};
    const auto field = kFields.find(name);
    return field != kFields.end() ? field->second : -1;
}

// Parses one statement into the script; false when the line is not understood.
bool ParseLine(const std::string& line, TScript& script, bool& inRange)
{
    std::istringstream words(line.substr(0, line.find('#')));
    std::string keyword;
    if (!(words >> keyword))
        return true;
    std::vector<std::string> args;
    for (std::string word; words >> word;)
        args.push_back(word);
    bool ok = true;
    const auto number = [&](size_t i) -> int64_t {
        if (i >= args.size()) {
            ok = false;
            return 0;
        }
        char* end = nullptr;
        const long long value = std::strtoll(args[i].c_str(), &end, 10);
        if (*end != '\0')
            ok = false;
        return value;
    };
    const auto drive = [&]() -> TDrive& {
        if (script.Drives.empty())
            script.Drives.emplace_back();
        return script.Drives.back();
    };
    const auto range = [&]() -> TRange& {
        if (script.Ranges.empty())
            script.Ranges.emplace_back();
        return script.Ranges.back();
    };

    if (keyword == "version")
        script.Version = static_cast<int32_t>(number(0));
    else if (keyword == "init" && args.size() == 1)
        script.Init = Answer(args[0], ok);
    else if (keyword == "active")
        script.Active = static_cast<int32_t>(number(0));
    else if (keyword == "drive") {
        script.Drives.emplace_back();
        inRange = false;
    } else if (keyword == "range") {
        script.Ranges.emplace_back();
        inRange = true;
    } else if (keyword == "setparameters" && args.size() == 1)
        script.SetParameters.push_back(Answer(args[0], ok));
    else if (!inRange && keyword == "select" && args.size() == 1)
        drive().Select = Answer(args[0], ok);
    else if (!inRange && keyword == "parameters" && !args.empty()) {
        drive().Parameters = Answer(args[0], ok);
        for (size_t i = 1; i < args.size(); ++i)
            ok = SetRecordField(drive().Record, args[i]) && ok;
    } else if (!inRange && keyword == "toc" && args.size() == 1)
        drive().Toc = Answer(args[0], ok);
    else if (!inRange && keyword == "track" && args.size() == 2) {
        const auto sector = static_cast<uint32_t>(number(0));
        if (args[1] != "audio" && args[1] != "data")
            ok = false;
        drive().Entries.push_back({sector, static_cast<uint8_t>(args[1] == "audio" ? CR_TOC_AUDIO : 0), 0});
    } else if (!inRange && keyword == "leadout")
        drive().LeadOut = static_cast<uint32_t>(number(0));
    else if (!inRange && keyword == "catalog" && args.size() == 1)
        drive().Catalog = args[0];
    else if (!inRange && keyword == "isrc" && args.size() == 2)
        drive().Isrcs[static_cast<int32_t>(number(0))] = args[1];
    else if (!inRange && keyword == "text" && args.size() >= 3) {
        const int32_t field = TextField(args[0]);
        std::string text;
        ok = ok && field >= 0 && JoinText(args, 2, text);
        drive().Texts[{static_cast<int32_t>(number(1)), field}] = text;
    }
    else if (inRange && keyword == "open" && args.size() == 2) {
        range().Open = Answer(args[0], ok);
        range().BufferSize = static_cast<int32_t>(number(1));
    } else if (inRange && keyword == "chunk" && (args.size() == 3 || args.size() == 6)) {
        TChunk chunk{static_cast<int32_t>(number(0)), static_cast<int32_t>(number(1)), static_cast<int32_t>(number(2))};
        if (args.size() == 6) {
            ok = ok && args[3] == "jitter";
            chunk.Jitter = true;
            chunk.JitterFirst = static_cast<uint32_t>(number(4));
            chunk.JitterLast = static_cast<uint32_t>(number(5));
        }
        ok = ok && chunk.Bytes >= 0;
        range().Chunks.push_back(chunk);
    } else if (inRange && keyword == "jittercount")
        range().JitterCount = static_cast<int32_t>(number(0));
    else
        return false;
    return ok;
}

class TPlayer {
public:
    static TPlayer& Instance()
    {
        static TPlayer player;
        return player;
    }

    int32_t Load(const std::string& text)
    {
        TScript script;
        bool inRange = false;
        std::istringstream lines(text);
        int32_t number = 0;
        for (std::string line; std::getline(lines, line);) {
            ++number;
            if (!ParseLine(line, script, inRange))
                return number;
        }
        if (script.Drives.empty())
            script.Drives.emplace_back();
        FScript = std::move(script);
        FLoaded = true;
        FActive = FScript.Active;
        FSetParametersCalls = 0;
        FNextRange = 0;
        FRange = nullptr;
        FLog.clear();
        return 0;
    }

    void LoadOnce()
    {
        if (FLoaded)
            return;
        std::string text;
        if (const char* path = std::getenv("TRACKWELL_CDRIP_SCRIPT")) {
            std::ifstream file(path);
            std::ostringstream content;
            content << file.rdbuf();
            text = content.str();
        }
        if (Load(text) != 0)
            Load("");
    }

    void Log(const std::string& line)
    {
        LoadOnce();
        FLog += line;
        FLog += '\n';
    }

    const TScript& Script() const { return FScript; }
    const std::string& CallLog() const { return FLog; }
    const TDrive* ActiveDrive() const
    {
        return FActive >= 0 && static_cast<size_t>(FActive) < FScript.Drives.size() ? &FScript.Drives[FActive] : nullptr;
    }
    int32_t Active() const { return FActive; }

    int32_t Select(int32_t drive)
    {
        if (drive < 0 || static_cast<size_t>(drive) >= FScript.Drives.size() || FScript.Drives[drive].Select == CR_FAILURE)
            return CR_FAILURE;
        FActive = drive;
        return CR_CHUNK_READ;
    }

    int32_t SetParameters()
    {
        const std::vector<int32_t>& answers = FScript.SetParameters;
        if (answers.empty())
            return CR_CHUNK_READ;
        return answers[std::min(FSetParametersCalls++, answers.size() - 1)];
    }

    int32_t Open(int32_t* bufferSize)
    {
        FRange = nullptr;
        if (FNextRange >= FScript.Ranges.size())
            return CR_FAILURE;
        const TRange& range = FScript.Ranges[FNextRange++];
        if (bufferSize != nullptr)
            *bufferSize = range.BufferSize;
        if (range.Open == CR_FAILURE)
            return CR_FAILURE;
        FRange = &range;
        FNextChunk = 0;
        FPattern = 0;
        FPercent = 0;
        FJitterFirst = FJitterLast = 0;
        return CR_CHUNK_READ;
    }

    int32_t Rip(uint8_t* buffer, int32_t* bytesRead)
    {
        *bytesRead = 0;
        if (FRange == nullptr)
            return CR_FAILURE;
        if (FNextChunk >= FRange->Chunks.size())
            return CR_RANGE_DONE;
        const TChunk& chunk = FRange->Chunks[FNextChunk++];
        FPercent = chunk.Percent;
        if (chunk.Jitter) {
            FJitterFirst = chunk.JitterFirst;
            FJitterLast = chunk.JitterLast;
        }
        for (int32_t i = 0; i < chunk.Bytes; ++i)
            buffer[i] = chunk.Status == CR_FAILURE ? 0xEE : static_cast<uint8_t>(FPattern++ % 251);
        *bytesRead = chunk.Bytes;
        return chunk.Status;
    }

    const TRange* Range() const { return FRange; }
    int32_t Percent() const { return FRange != nullptr ? FPercent : 0; }
    void JitterPosition(uint32_t* first, uint32_t* last) const
    {
        *first = FJitterFirst;
        *last = FJitterLast;
    }
    void Close() { FRange = nullptr; }

private:
    TScript FScript;
    bool FLoaded = false;
    int32_t FActive = 0;
    size_t FSetParametersCalls = 0;
    size_t FNextRange = 0;
    const TRange* FRange = nullptr;
    size_t FNextChunk = 0;
    uint64_t FPattern = 0;
    int32_t FPercent = 0;
    uint32_t FJitterFirst = 0, FJitterLast = 0;
    std::string FLog;
};

TPlayer& Played(const std::string& call)
{
    TPlayer& player = TPlayer::Instance();
    player.Log(call);
    return player;
}

}

extern "C" {

int32_t SCRIPT_Load(const char* text)
{
    return TPlayer::Instance().Load(text != nullptr ? text : "");
}

const char* SCRIPT_CallLog(void)
{
    TPlayer::Instance().LoadOnce();
    return TPlayer::Instance().CallLog().c_str();
}

int32_t CR_GetCDRipVersion(void) { return Played("CR_GetCDRipVersion").Script().Version; }
int32_t CR_Init(void) { return Played("CR_Init").Script().Init; }

int32_t CR_GetCDROMParameters(CR_DriveParameters* parameters)
{
    const TDrive* drive = Played("CR_GetCDROMParameters").ActiveDrive();
    if (drive == nullptr || parameters == nullptr || drive->Parameters == CR_FAILURE)
        return CR_FAILURE;
    *parameters = drive->Record;
    return CR_CHUNK_READ;
}

int32_t CR_GetActiveCDROM(void) { return Played("CR_GetActiveCDROM").Active(); }
int32_t CR_SetActiveCDROM(int32_t drive) { return Played("CR_SetActiveCDROM " + std::to_string(drive)).Select(drive); }

int32_t CR_SetCDROMParameters(const CR_DriveParameters* parameters)
{
    std::string call = "CR_SetCDROMParameters";
    if (parameters != nullptr) {
        int32_t format = 0;
        std::memcpy(&format, reinterpret_cast<const char*>(parameters) + offsetof(CR_DriveParameters, OutputFormat), 4);
        call += " format=" + std::to_string(format) + " jitter=" + std::to_string(parameters->JitterCorrection)
            + " speed=" + std::to_string(parameters->ReadSpeed);
    }
    return Played(call).SetParameters();
}

int32_t CR_ReadToc(void)
{
    const TDrive* drive = Played("CR_ReadToc").ActiveDrive();
    return drive == nullptr ? CR_FAILURE : drive->Toc;
}

int32_t CR_GetNumTocEntries(void)
{
    const TDrive* drive = Played("CR_GetNumTocEntries").ActiveDrive();
    return drive == nullptr ? 0 : static_cast<int32_t>(drive->Entries.size());
}

CR_TocEntry CR_GetTocEntry(int32_t index)
{
    const TDrive* drive = Played("CR_GetTocEntry " + std::to_string(index)).ActiveDrive();
    if (drive == nullptr || index < 0 || static_cast<size_t>(index) > drive->Entries.size())
        return CR_TocEntry{};
    if (static_cast<size_t>(index) < drive->Entries.size())
        return drive->Entries[static_cast<size_t>(index)];
    return CR_TocEntry{drive->LeadOut.value_or(0), 0, 0};
}

int32_t CR_OpenRipper(int32_t* bufferSize, int32_t firstSector, int32_t lastSector)
{
    return Played("CR_OpenRipper " + std::to_string(firstSector) + " " + std::to_string(lastSector)).Open(bufferSize);
}

int32_t CR_RipChunk(uint8_t* buffer, int32_t* bytesRead)
{
    TPlayer& player = Played("CR_RipChunk");
    if (buffer == nullptr || bytesRead == nullptr)
        return CR_FAILURE;
    return player.Rip(buffer, bytesRead);
}

void CR_GetLastJitterErrorPosition(uint32_t* firstSector, uint32_t* lastSector)
{
    uint32_t first = 0, last = 0;
    Played("CR_GetLastJitterErrorPosition").JitterPosition(&first, &last);
    if (firstSector != nullptr)
        *firstSector = first;
    if (lastSector != nullptr)
        *lastSector = last;
}

int32_t CR_GetPercentCompleted(void) { return Played("CR_GetPercentCompleted").Percent(); }

int32_t CR_GetNumberOfJitterErrors(void)
{
    const TRange* range = Played("CR_GetNumberOfJitterErrors").Range();
    return range == nullptr ? 0 : range->JitterCount;
}

int32_t CR_GetDiscCatalog(char* buffer, int32_t size)
{
    const TDrive* drive = Played("CR_GetDiscCatalog").ActiveDrive();
    return cdrip::CopyText(drive != nullptr ? drive->Catalog : std::string(), buffer, size);
}

int32_t CR_GetTrackExtras(int32_t index, CR_TrackExtras* extras)
{
    const TDrive* drive = Played("CR_GetTrackExtras " + std::to_string(index)).ActiveDrive();
    if (drive == nullptr || extras == nullptr || index < 0 || static_cast<size_t>(index) >= drive->Entries.size())
        return CR_FAILURE;
    *extras = CR_TrackExtras{};
    if (const auto isrc = drive->Isrcs.find(index + 1); isrc != drive->Isrcs.end())
        std::strncpy(extras->Isrc, isrc->second.c_str(), sizeof extras->Isrc - 1);
    extras->PregapSector = drive->Entries[static_cast<size_t>(index)].FirstSector;
    return CR_CHUNK_READ;
}

int32_t CR_GetDiscText(int32_t track, int32_t field, char* buffer, int32_t size)
{
    const TDrive* drive = Played("CR_GetDiscText " + std::to_string(track) + " " + std::to_string(field)).ActiveDrive();
    std::string text;
    if (drive != nullptr)
        if (const auto found = drive->Texts.find({track, field}); found != drive->Texts.end())
            text = found->second;
    return cdrip::CopyText(text, buffer, size);
}

int32_t CR_CloseRipper(void)
{
    Played("CR_CloseRipper").Close();
    return CR_CHUNK_READ;
}

}
