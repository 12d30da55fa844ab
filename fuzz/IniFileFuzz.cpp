// Fuzz target: any bytes as INI text. Look-ups must agree with the section listings, integer reads
// with the conversion, and the written text must read back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/Convert.h"
#include "framework/IniFile.h"
#include "framework/Stream.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray Written(const TMemIniFile& ini)
{
    TMemoryStream stream;
    ini.SaveToStream(stream);
    return stream.Bytes();
}

void CheckKey(const TMemIniFile& ini, const QString& section, const QString& key, const TStringList& lines)
{
    Check(ini.ValueExists(section, key));
    const QString value = ini.ReadString(section, key, QStringLiteral("\x01"));
    Check(value == lines.Value(key));
    int parsed = 0;
    const bool isInteger = TryStrToInt(value, parsed);
    Check(ini.ReadInteger(section, key, 7) == (isInteger ? parsed : 7));
    Check(ini.ReadBool(section, key, false) == (isInteger && parsed != 0));
    try {
        Check(StrToInt(value) == parsed && isInteger);
    } catch (const EConvertError&) {
        Check(!isInteger);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream input;
    input.Write(data, static_cast<std::int64_t>(size));
    input.SetPosition(0);
    TMemIniFile ini;
    ini.LoadFromStream(input);

    TStringList sections;
    TStringList keys;
    TStringList lines;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        const QString& section = sections.Strings(s);
        Check(ini.SectionExists(section));
        ini.ReadSection(section, keys);
        ini.ReadSectionValues(section, lines);
        Check(keys.Count() <= lines.Count());
        for (int k = 0; k < keys.Count(); ++k)
            CheckKey(ini, section, keys.Strings(k), lines);
    }

    const QByteArray written = Written(ini);
    TMemoryStream stream;
    stream.Write(written.constData(), written.size());
    stream.SetPosition(0);
    TMemIniFile reread;
    reread.LoadFromStream(stream);
    Check(Written(reread) == written);

    if (sections.Count() > 0) {
        const QString section = sections.Strings(sections.Count() - 1);
        ini.WriteString(section, QStringLiteral("Fuzz"), QStringLiteral("written"));
        Check(ini.ReadString(section, QStringLiteral("fuzz"), QString()) == QStringLiteral("written"));
        ini.DeleteKey(section, QStringLiteral("FUZZ"));
        ini.EraseSection(section);
    }
    return 0;
}
