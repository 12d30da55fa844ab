#include "framework/IniFile.h"

#include <utility>

#include "framework/Convert.h"

namespace {

// Blanks and control characters go, as in the classic 8-bit trim; other white space stays.
QString Trim(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].unicode() <= u' ')
        ++start;
    while (end > start && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(start, end - start).toString();
}

bool HasLineBreak(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

} // namespace

TMemIniFile::TMemIniFile() = default;
TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::SetStrings(const TStringList& strings)
{
    Clear();
    TStringList* open = nullptr;
    for (int i = 0; i < strings.Count(); ++i) {
        const QString line = Trim(strings.Strings(i));
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
            open = &AddSection(Trim(QStringView(line).mid(1, line.size() - 2)));
            continue;
        }
        if (open == nullptr)
            continue;
        const qsizetype separator = line.indexOf(u'=');
        if (separator < 0)
            open->Add(line);
        else
            open->Add(Trim(QStringView(line).left(separator)) + u'=' + Trim(QStringView(line).mid(separator + 1)));
    }
}

void TMemIniFile::GetStrings(TStringList& strings) const
{
    strings.BeginUpdate();
    strings.Clear();
    for (const Section& section : sections_) {
        strings.Add(u'[' + section.name + u']');
        strings.AddStrings(*section.lines);
        strings.Add(QString());
    }
    strings.EndUpdate();
}

void TMemIniFile::LoadFromStream(TStream& stream)
{
    TStringList strings;
    strings.LoadFromStream(stream);
    SetStrings(strings);
}

void TMemIniFile::SaveToStream(TStream& stream) const
{
    TStringList strings;
    GetStrings(strings);
    strings.SaveToStream(stream);
}

void TMemIniFile::Clear()
{
    sections_.clear();
}

QString TMemIniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const TStringList* lines = FindSection(section);
    const int index = lines != nullptr ? lines->IndexOfName(key) : -1;
    return index < 0 ? defaultValue : lines->ValueFromIndex(index);
}

int TMemIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    return StrToIntDef(ReadString(section, key, QString()), defaultValue);
}

bool TMemIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    if (key.contains(u'=') || HasLineBreak(key) || HasLineBreak(section) || HasLineBreak(value))
        throw EIniFileException(
            QStringLiteral("Cannot write the INI key \"%1\" of section \"%2\": a key may not hold \"=\" "
                           "and no part may hold a line break")
                .arg(key, section));
    TStringList* lines = FindSection(section);
    if (lines == nullptr)
        lines = &AddSection(section);
    const QString line = key + u'=' + value;
    const int index = lines->IndexOfName(key);
    if (index >= 0)
        lines->SetString(index, line);
    else
        lines->Add(line);
}

bool TMemIniFile::SectionExists(const QString& section) const
{
    return FindSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(const QString& section, const QString& key) const
{
    const TStringList* lines = FindSection(section);
    return lines != nullptr && lines->IndexOfName(key) >= 0;
}

void TMemIniFile::ReadSection(const QString& section, TStringList& strings) const
{
    strings.BeginUpdate();
    strings.Clear();
    if (const TStringList* lines = FindSection(section))
        for (int i = 0; i < lines->Count(); ++i)
            if (lines->Strings(i).contains(u'='))
                strings.Add(lines->Names(i));
    strings.EndUpdate();
}

void TMemIniFile::ReadSections(TStringList& strings) const
{
    strings.BeginUpdate();
    strings.Clear();
    for (const Section& section : sections_)
        strings.Add(section.name);
    strings.EndUpdate();
}

void TMemIniFile::ReadSectionValues(const QString& section, TStringList& strings) const
{
    strings.BeginUpdate();
    strings.Clear();
    if (const TStringList* lines = FindSection(section))
        strings.AddStrings(*lines);
    strings.EndUpdate();
}

void TMemIniFile::EraseSection(const QString& section)
{
    for (auto it = sections_.begin(); it != sections_.end(); ++it)
        if (it->name.compare(section, Qt::CaseInsensitive) == 0) {
            sections_.erase(it);
            return;
        }
}

void TMemIniFile::DeleteKey(const QString& section, const QString& key)
{
    TStringList* lines = FindSection(section);
    const int index = lines != nullptr ? lines->IndexOfName(key) : -1;
    if (index >= 0)
        lines->Delete(index);
}

const TStringList* TMemIniFile::FindSection(const QString& name) const
{
    for (const Section& section : sections_)
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return section.lines.get();
    return nullptr;
}

TStringList* TMemIniFile::FindSection(const QString& name)
{
    return const_cast<TStringList*>(std::as_const(*this).FindSection(name));
}

TStringList& TMemIniFile::AddSection(const QString& name)
{
    sections_.push_back(Section{name, std::make_unique<TStringList>()});
    return *sections_.back().lines;
}
