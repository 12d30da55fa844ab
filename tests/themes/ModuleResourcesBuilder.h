#pragma once
// Builds small module files for the resource reader's tests: a PE32 or PE32+ image whose one
// section holds a resource directory (type, name, one language) with the given resources.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <vector>

#include "graphics/ModuleResources.h"

struct TTestResource {
    TResourceId type;
    TResourceId name;
    QByteArray data;
};

// The image and the file offsets of the parts that damage tests aim at.
struct TBuiltModule {
    QByteArray bytes;
    qint64 firstTypeDirectory = 0;
    qint64 firstDataEntry = 0;
    qint64 firstNameString = -1;
};

namespace module_builder {

constexpr qint64 kPeOffset = 0x40;
constexpr qint64 kOptionalOffset = kPeOffset + 24;
constexpr qint64 kSectionOffset = 0x200;
constexpr quint32 kSectionRva = 0x1000;

inline void Put16(QByteArray& b, qint64 at, quint32 v) { qToLittleEndian<quint16>(quint16(v), b.data() + at); }
inline void Put32(QByteArray& b, qint64 at, quint32 v) { qToLittleEndian<quint32>(v, b.data() + at); }
inline qint64 Align4(qint64 v) { return (v + 3) & ~qint64(3); }

// Named entries come before numbered ones, as the format asks.
template <typename T, typename IdOf>
std::vector<T> NamedFirst(const std::vector<T>& items, IdOf idOf)
{
    std::vector<T> result;
    for (const T& item : items)
        if (idOf(item).IsName())
            result.push_back(item);
    for (const T& item : items)
        if (!idOf(item).IsName())
            result.push_back(item);
    return result;
}

}  // namespace module_builder

inline TBuiltModule BuildModule(const std::vector<TTestResource>& resources, bool pe32Plus = false)
{
    using namespace module_builder;
    struct TType {
        TResourceId id;
        std::vector<TTestResource> items;
    };
    std::vector<TType> types;
    for (const TTestResource& r : resources) {
        auto it = std::find_if(types.begin(), types.end(), [&](const TType& t) { return t.id.Matches(r.type); });
        if (it == types.end())
            types.push_back({r.type, {r}});
        else
            it->items.push_back(r);
    }
    types = NamedFirst(types, [](const TType& t) { return t.id; });
    for (TType& t : types)
        t.items = NamedFirst(t.items, [](const TTestResource& r) { return r.name; });

    // Layout of the section: directories, data entries, name strings, data.
    qint64 at = 16 + 8 * qint64(types.size());
    std::vector<qint64> typeDirs, langDirs;
    for (const TType& t : types) {
        typeDirs.push_back(at);
        at += 16 + 8 * qint64(t.items.size());
    }
    for (const TType& t : types)
        for (std::size_t i = 0; i < t.items.size(); ++i, at += 24)
            langDirs.push_back(at);
    const qint64 dataEntries = at;
    at += 16 * qint64(langDirs.size());
    std::vector<std::pair<QString, qint64>> strings;
    auto stringAt = [&](const TResourceId& id) {
        strings.push_back({id.Name(), at});
        const qint64 where = at;
        at = Align4(at + 2 + 2 * id.Name().size());
        return where;
    };
    std::vector<qint64> typeNames, itemNames, dataAt;
    for (const TType& t : types) {
        typeNames.push_back(t.id.IsName() ? stringAt(t.id) : -1);
        for (const TTestResource& r : t.items)
            itemNames.push_back(r.name.IsName() ? stringAt(r.name) : -1);
    }
    for (const TType& t : types)
        for (const TTestResource& r : t.items) {
            dataAt.push_back(at);
            at = Align4(at + r.data.size());
        }
    const qint64 sectionSize = at;
    const qint64 rawSize = (sectionSize + 0x1FF) & ~qint64(0x1FF);

    TBuiltModule built;
    QByteArray& b = built.bytes;
    b = QByteArray(kSectionOffset + rawSize, '\0');
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 0x3C, kPeOffset);
    b.replace(kPeOffset, 4, QByteArray("PE\0\0", 4));
    const quint32 optionalSize = pe32Plus ? 240 : 224;
    Put16(b, kPeOffset + 4, pe32Plus ? 0x8664 : 0x14C);
    Put16(b, kPeOffset + 6, 1);
    Put16(b, kPeOffset + 20, optionalSize);
    Put16(b, kPeOffset + 22, 0x2102);
    Put16(b, kOptionalOffset, pe32Plus ? 0x20B : 0x10B);
    const qint64 directories = kOptionalOffset + (pe32Plus ? 112 : 96);
    Put32(b, directories - 4, 16);
    Put32(b, directories + 16, kSectionRva);
    Put32(b, directories + 20, quint32(sectionSize));
    const qint64 section = kOptionalOffset + optionalSize;
    b.replace(section, 5, QByteArray(".rsrc"));
    Put32(b, section + 8, quint32(sectionSize));
    Put32(b, section + 12, kSectionRva);
    Put32(b, section + 16, quint32(rawSize));
    Put32(b, section + 20, kSectionOffset);

    const qint64 s = kSectionOffset;
    auto putDirectory = [&](qint64 dir, int named, int ids) {
        Put16(b, s + dir + 12, quint32(named));
        Put16(b, s + dir + 14, quint32(ids));
    };
    auto putEntry = [&](qint64 entry, const TResourceId& id, qint64 nameAt, quint32 target) {
        Put32(b, s + entry, id.IsName() ? quint32(0x80000000u | quint32(nameAt)) : quint32(id.Number()));
        Put32(b, s + entry + 4, target);
    };
    auto countNamed = [](const auto& items, auto idOf) {
        return int(std::count_if(items.begin(), items.end(), [&](const auto& x) { return idOf(x).IsName(); }));
    };
    putDirectory(0, countNamed(types, [](const TType& t) { return t.id; }),
                 int(types.size()) - countNamed(types, [](const TType& t) { return t.id; }));
    std::size_t item = 0;
    for (std::size_t ti = 0; ti < types.size(); ++ti) {
        const TType& t = types[ti];
        putEntry(16 + 8 * qint64(ti), t.id, typeNames[ti], quint32(0x80000000u | quint32(typeDirs[ti])));
        const int named = countNamed(t.items, [](const TTestResource& r) { return r.name; });
        putDirectory(typeDirs[ti], named, int(t.items.size()) - named);
        for (std::size_t ni = 0; ni < t.items.size(); ++ni, ++item) {
            const TTestResource& r = t.items[ni];
            putEntry(typeDirs[ti] + 16 + 8 * qint64(ni), r.name, itemNames[item], quint32(0x80000000u | quint32(langDirs[item])));
            putDirectory(langDirs[item], 0, 1);
            const qint64 dataEntry = dataEntries + 16 * qint64(item);
            putEntry(langDirs[item] + 16, TResourceId(0x409), -1, quint32(dataEntry));
            Put32(b, s + dataEntry, kSectionRva + quint32(dataAt[item]));
            Put32(b, s + dataEntry + 4, quint32(r.data.size()));
            b.replace(s + dataAt[item], r.data.size(), r.data);
        }
    }
    for (const auto& [name, where] : strings) {
        Put16(b, s + where, quint32(name.size()));
        for (qsizetype i = 0; i < name.size(); ++i)
            Put16(b, s + where + 2 + 2 * i, name[i].unicode());
    }
    built.firstTypeDirectory = types.empty() ? -1 : s + typeDirs[0];
    built.firstDataEntry = langDirs.empty() ? -1 : s + dataEntries;
    built.firstNameString = strings.empty() ? -1 : s + strings[0].second;
    return built;
}

// UTF-16 little-endian bytes of text, without terminator.
inline QByteArray Utf16Bytes(const QString& text)
{
    QByteArray bytes(2 * text.size(), '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        module_builder::Put16(bytes, 2 * i, text[i].unicode());
    return bytes;
}

// Zero-ended UTF-16 strings closed by an empty one.
inline QByteArray WideRun(const QStringList& strings)
{
    QByteArray bytes;
    for (const QString& s : strings)
        bytes += Utf16Bytes(s) + QByteArray(2, '\0');
    return bytes + QByteArray(2, '\0');
}

// A pixel's blue, green and red bytes, as bitmap rows hold them.
inline QByteArray Bgr(quint32 rgb)
{
    const char bytes[] = {char(rgb & 0xFF), char((rgb >> 8) & 0xFF), char((rgb >> 16) & 0xFF)};
    return QByteArray(bytes, 3);
}

// A string-table block: sixteen length-prefixed strings, missing ones empty.
inline QByteArray StringBlock(const std::vector<QString>& strings)
{
    QByteArray bytes;
    for (int i = 0; i < 16; ++i) {
        const QString text = i < int(strings.size()) ? strings[std::size_t(i)] : QString();
        QByteArray length(2, '\0');
        module_builder::Put16(length, 0, quint32(text.size()));
        bytes += length + Utf16Bytes(text);
    }
    return bytes;
}

// A bitmap resource: a 40-byte info header, then extra (masks, palette), then the rows given top
// row first, stored in the order height asks for and padded to whole 32-bit words.
inline QByteArray Dib(int width, int height, int bits, quint32 compression, quint32 colorsUsed,
                      const QByteArray& extra, const std::vector<QByteArray>& rowsTopFirst)
{
    QByteArray header(40, '\0');
    module_builder::Put32(header, 0, 40);
    module_builder::Put32(header, 4, quint32(width));
    module_builder::Put32(header, 8, quint32(height));
    module_builder::Put16(header, 12, 1);
    module_builder::Put16(header, 14, quint32(bits));
    module_builder::Put32(header, 16, compression);
    module_builder::Put32(header, 32, colorsUsed);
    const qsizetype stride = ((qsizetype(width) * bits + 31) / 32) * 4;
    QByteArray pixels;
    for (std::size_t i = 0; i < rowsTopFirst.size(); ++i) {
        const QByteArray& row = rowsTopFirst[height < 0 ? i : rowsTopFirst.size() - 1 - i];
        pixels += row + QByteArray(stride - row.size(), '\0');
    }
    return header + extra + pixels;
}
