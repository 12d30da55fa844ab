#include "framework/StringList.h"

#include "framework/Stream.h"

const QString& TStringList::Strings(int index) const
{
    CheckIndex(index, Count());
    return items_[index].text;
}

void TStringList::SetString(int index, const QString& text)
{
    CheckIndex(index, Count());
    items_[index].text = text;
    Changed();
}

TObject* TStringList::Objects(int index) const
{
    CheckIndex(index, Count());
    return items_[index].object;
}

void TStringList::SetObject(int index, TObject* object)
{
    CheckIndex(index, Count());
    items_[index].object = object;
    Changed();
}

int TStringList::Add(const QString& text)
{
    return AddObject(text, nullptr);
}

int TStringList::AddObject(const QString& text, TObject* object)
{
    InsertObject(Count(), text, object);
    return Count() - 1;
}

void TStringList::AddStrings(const TStringList& strings)
{
    // A copy first, so that a list can add itself.
    const QList<Item> added = strings.items_;
    BeginUpdate();
    for (const Item& item : added)
        AddObject(item.text, item.object);
    EndUpdate();
}

void TStringList::Insert(int index, const QString& text)
{
    InsertObject(index, text, nullptr);
}

void TStringList::InsertObject(int index, const QString& text, TObject* object)
{
    CheckIndex(index, Count() + 1);
    items_.insert(index, Item{text, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    items_.removeAt(index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.isEmpty())
        return;
    items_.clear();
    Changed();
}

int TStringList::IndexOf(const QString& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i].text.compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TStringList::Names(int index) const
{
    const QString& line = Strings(index);
    const qsizetype separator = line.indexOf(u'=');
    return separator < 0 ? QString() : line.left(separator);
}

QString TStringList::ValueFromIndex(int index) const
{
    const QString& line = Strings(index);
    const qsizetype separator = line.indexOf(u'=');
    return separator < 0 ? QString() : line.mid(separator + 1);
}

int TStringList::IndexOfName(const QString& name) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString& line = items_[i].text;
        const qsizetype separator = line.indexOf(u'=');
        if (separator >= 0 && QStringView(line).left(separator).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TStringList::Value(const QString& name) const
{
    const int index = IndexOfName(name);
    return index < 0 ? QString() : ValueFromIndex(index);
}

void TStringList::SetValue(const QString& name, const QString& value)
{
    const int index = IndexOfName(name);
    if (value.isEmpty()) {
        if (index >= 0)
            Delete(index);
    } else if (index >= 0)
        SetString(index, name + u'=' + value);
    else
        Add(name + u'=' + value);
}

QString TStringList::Text() const
{
    QString text;
    for (const Item& item : items_) {
        text += item.text;
        text += QLatin1String("\r\n");
    }
    return text;
}

void TStringList::SetText(const QString& text)
{
    BeginUpdate();
    Clear();
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        Add(text.mid(start, end - start));
        if (end < n && text[end] == u'\r')
            ++end;
        if (end < n && text[end] == u'\n')
            ++end;
        start = end;
    }
    EndUpdate();
}

void TStringList::LoadFromStream(TStream& stream)
{
    const std::int64_t size = stream.Size() - stream.Position();
    QByteArray bytes(size > 0 ? size : 0, Qt::Uninitialized);
    stream.ReadBuffer(bytes.data(), bytes.size());
    SetText(QString::fromLatin1(bytes));
}

void TStringList::SaveToStream(TStream& stream) const
{
    const QByteArray bytes = Text().toLatin1();
    stream.WriteBuffer(bytes.constData(), bytes.size());
}

void TStringList::LoadFromFile(const QString& fileName)
{
    TFileStream file(fileName, TFileMode::fmOpenRead);
    LoadFromStream(file);
}

void TStringList::SaveToFile(const QString& fileName) const
{
    TFileStream file(fileName, TFileMode::fmCreate);
    SaveToStream(file);
}

void TStringList::Assign(const TPersistent* source)
{
    if (const auto* strings = dynamic_cast<const TStringList*>(source)) {
        if (strings == this)
            return;
        BeginUpdate();
        Clear();
        AddStrings(*strings);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TStringList::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Changed();
    }
}

void TStringList::CheckIndex(int index, int count) const
{
    if (index < 0 || index >= count)
        throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

void TStringList::Changed()
{
    if (updateCount_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}
