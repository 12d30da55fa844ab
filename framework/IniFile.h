#pragma once
// An INI text held in memory: sections of name=value lines in file order, looked up without regard
// to case.
//
// Reading a text (SetStrings, LoadFromStream): every line is trimmed of blanks and control
// characters; empty lines and lines starting with ";" are dropped, and so are lines before the
// first section. "[name]" opens a section named by the trimmed text inside the brackets. Other
// lines belong to the open section: with a "=", as the trimmed name, "=" and the trimmed value;
// without one, as they stand (kept and written back, but not a key).
// A repeated section is kept as a section of its own and a repeated key as a line of its own;
// look-ups find the first of each, so the first wins.
#include <QString>
#include <memory>
#include <vector>

#include "framework/Exception.h"
#include "framework/Object.h"
#include "framework/StringList.h"

class TStream;

// A section, key or value that the text form cannot hold.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

class TMemIniFile : public TObject {
public:
    TMemIniFile();
    ~TMemIniFile() override;

    // Replaces the content with the sections of the text in strings.
    void SetStrings(const TStringList& strings);
    // Replaces strings' content with "[name]", the section's lines and an empty line, per section.
    void GetStrings(TStringList& strings) const;
    // The same through 8-bit text (TStringList's stream rules).
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void Clear();

    // The text after the first "=" of the key's line (empty when the line ends there), or
    // defaultValue when the section or key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // The value through StrToIntDef; defaultValue when missing or not an integer.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer value other than 0 is true; anything else that is not an integer gives defaultValue.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    // Replaces the first line of the key, or appends one to the section, appending the section when
    // missing. Raises EIniFileException for a key with "=", or any part with a line break.
    void WriteString(const QString& section, const QString& key, const QString& value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // Each replaces strings' content: the key names of a section in order (repeats included), every
    // section name in order (repeats included), every line of a section.
    void ReadSection(const QString& section, TStringList& strings) const;
    void ReadSections(TStringList& strings) const;
    void ReadSectionValues(const QString& section, TStringList& strings) const;
    // Removes the first section of that name (a repeat of it becomes the one found).
    void EraseSection(const QString& section);
    // Removes the first line of the key.
    void DeleteKey(const QString& section, const QString& key);

private:
    struct Section {
        QString name;
        std::unique_ptr<TStringList> lines;
    };

    const TStringList* FindSection(const QString& name) const;
    TStringList* FindSection(const QString& name);
    TStringList& AddSection(const QString& name);

    std::vector<Section> sections_;
};
