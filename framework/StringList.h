#pragma once
// An ordered list of strings, each with an object reference attached (not owned), with
// name=value access and 8-bit text files.
#include <QList>
#include <QString>

#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/Persistent.h"

class TStream;

// An index outside the list: "List index out of bounds (<index>)".
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

class TStringList : public TPersistent {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const QString& Strings(int index) const;
    void SetString(int index, const QString& text);
    TObject* Objects(int index) const;
    void SetObject(int index, TObject* object);

    // Append; answer the new item's index.
    int Add(const QString& text);
    int AddObject(const QString& text, TObject* object);
    void AddStrings(const TStringList& strings);
    // index may be Count (append).
    void Insert(int index, const QString& text);
    void InsertObject(int index, const QString& text, TObject* object);
    void Delete(int index);
    void Clear();

    // First index whose string equals text without regard to case, or -1.
    int IndexOf(const QString& text) const;

    // "name=value" lines: the name is the text before the first "=", the value the text after it.
    // A line without "=" has an empty name and value and is never found by name.
    QString Names(int index) const;
    QString ValueFromIndex(int index) const;
    // First line whose name equals name without regard to case, or -1.
    int IndexOfName(const QString& name) const;
    // The value of the first line of that name, or empty.
    QString Value(const QString& name) const;
    // Replaces the first line of that name, or appends one; an empty value deletes the line.
    void SetValue(const QString& name, const QString& value);

    // Every line followed by CR LF.
    QString Text() const;
    // Replaces the lines; lines end at CR LF, LF or CR, and a last line without an end counts too.
    void SetText(const QString& text);

    // 8-bit text in Latin-1: loading reads from the stream's position to its end; characters
    // outside Latin-1 are saved as "?".
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;

    // Copies the strings and their objects from another string list.
    void Assign(const TPersistent* source) override;

    // OnChange fires after every change, or once at the outermost EndUpdate when changes were made.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    TNotifyEvent OnChange;

private:
    struct Item {
        QString text;
        TObject* object = nullptr;
    };

    void CheckIndex(int index, int count) const;
    void Changed();

    QList<Item> items_;
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
};
