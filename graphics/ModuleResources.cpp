#include "graphics/ModuleResources.h"

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>

#include "graphics/Dib.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    throw EModuleError(QStringLiteral("Invalid module file: ") + QString::fromLatin1(what));
}

// Little-endian fields of a byte range; a field outside it raises with the caller's reason.
class TBytes {
public:
    TBytes(const QByteArray& data, qint64 begin, qint64 end) : data_(data), begin_(begin), end_(end) {}

    qint64 Size() const { return end_ - begin_; }
    bool Holds(qint64 offset, qint64 count) const { return offset >= 0 && count >= 0 && offset <= Size() - count; }
    void Check(qint64 offset, qint64 count, const char* what) const
    {
        if (!Holds(offset, count))
            Fail(what);
    }
    std::uint32_t U16(qint64 offset, const char* what) const { return Read(offset, 2, what); }
    std::uint32_t U32(qint64 offset, const char* what) const { return Read(offset, 4, what); }

private:
    std::uint32_t Read(qint64 offset, int count, const char* what) const
    {
        Check(offset, count, what);
        const auto* p = reinterpret_cast<const unsigned char*>(data_.constData() + begin_ + offset);
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = (value << 8) | p[i];
        return value;
    }

    const QByteArray& data_;
    qint64 begin_;
    qint64 end_;
};

struct TSection {
    std::uint32_t virtualAddress;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

// The file range [offset, end) that holds rva within its section's raw data; nothing when no
// section does.
struct TMapped {
    qint64 offset;
    qint64 end;
};

std::optional<TMapped> MapRva(const std::vector<TSection>& sections, std::uint32_t rva, qint64 fileSize)
{
    for (const TSection& s : sections) {
        if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize)
            continue;
        const qint64 end = std::min<qint64>(qint64(s.rawOffset) + s.rawSize, fileSize);
        const qint64 offset = qint64(s.rawOffset) + (rva - s.virtualAddress);
        if (offset >= end)
            return std::nullopt;
        return TMapped{offset, end};
    }
    return std::nullopt;
}

constexpr std::uint32_t kHighBit = 0x80000000u;

// Walks the resource tree of one module: its view is the resource section from the directory on.
class TDirectoryWalker {
public:
    TDirectoryWalker(const QByteArray& image, const std::vector<TSection>& sections, TMapped view)
        : image_(image), sections_(sections), bytes_(image, view.offset, view.end)
    {
    }

    struct TEntry {
        TResourceId id;
        std::uint32_t target;
    };

    // The entries of the directory at offset (relative to the view). ancestors holds the
    // directories above it, which no entry may point back to.
    std::vector<TEntry> Directory(std::uint32_t offset, const std::vector<std::uint32_t>& ancestors)
    {
        const std::uint32_t named = bytes_.U16(qint64(offset) + 12, "resource directory out of range");
        const std::uint32_t ids = bytes_.U16(qint64(offset) + 14, "resource directory out of range");
        const qint64 count = qint64(named) + ids;
        bytes_.Check(qint64(offset) + 16, count * 8, "resource directory entry count out of range");
        visited_ += count;
        if (visited_ > TModuleResources::kMaxEntries)
            Fail("too many resource directory entries");
        std::vector<TEntry> entries;
        entries.reserve(static_cast<std::size_t>(count));
        for (qint64 i = 0; i < count; ++i) {
            const qint64 at = qint64(offset) + 16 + i * 8;
            const std::uint32_t name = bytes_.U32(at, "resource directory out of range");
            const std::uint32_t target = bytes_.U32(at + 4, "resource directory out of range");
            if (target & kHighBit) {
                const std::uint32_t sub = target & ~kHighBit;
                if (sub == offset || std::find(ancestors.begin(), ancestors.end(), sub) != ancestors.end())
                    Fail("resource directory loop");
            }
            entries.push_back({(name & kHighBit) ? TResourceId(Name(name & ~kHighBit)) : TResourceId(int(name & 0xFFFF)),
                               target});
        }
        return entries;
    }

    // The file range of the data entry at offset (relative to the view).
    TMapped Data(std::uint32_t offset)
    {
        const std::uint32_t rva = bytes_.U32(offset, "resource data entry out of range");
        const std::uint32_t size = bytes_.U32(qint64(offset) + 4, "resource data entry out of range");
        const std::optional<TMapped> mapped = MapRva(sections_, rva, image_.size());
        if (!mapped || mapped->end - mapped->offset < qint64(size))
            Fail("resource data out of range");
        return {mapped->offset, mapped->offset + size};
    }

private:
    // Entries may share one name string; they share its text too, so a file cannot make the walk
    // hold many copies of a long name.
    QString Name(std::uint32_t offset)
    {
        const auto known = names_.find(offset);
        if (known != names_.end())
            return known->second;
        const std::uint32_t length = bytes_.U16(offset, "resource name out of range");
        bytes_.Check(qint64(offset) + 2, qint64(length) * 2, "resource name out of range");
        QString name(static_cast<qsizetype>(length), Qt::Uninitialized);
        for (std::uint32_t i = 0; i < length; ++i)
            name[i] = QChar(static_cast<char16_t>(bytes_.U16(qint64(offset) + 2 + 2 * qint64(i), "resource name out of range")));
        names_.emplace(offset, name);
        return name;
    }

    const QByteArray& image_;
    const std::vector<TSection>& sections_;
    TBytes bytes_;
    qint64 visited_ = 0;
    std::map<std::uint32_t, QString> names_;
};

}  // namespace

bool TResourceId::Matches(const TResourceId& other) const
{
    if (IsName() != other.IsName())
        return false;
    if (IsName())
        return name_.compare(other.name_, Qt::CaseInsensitive) == 0;
    return number_ == other.number_;
}

TModuleResources::TModuleResources(QByteArray image) : image_(std::move(image))
{
    const TBytes file(image_, 0, image_.size());
    if (!file.Holds(0, 64) || image_[0] != 'M' || image_[1] != 'Z')
        Fail("no DOS header");
    const qint64 pe = file.U32(0x3C, "PE header out of range");
    if (!file.Holds(pe, 24) || std::memcmp(image_.constData() + pe, "PE\0\0", 4) != 0)
        Fail("no PE signature");
    const std::uint32_t sectionCount = file.U16(pe + 6, "COFF header out of range");
    const std::uint32_t optionalSize = file.U16(pe + 20, "COFF header out of range");
    const qint64 optional = pe + 24;
    file.Check(optional, optionalSize, "optional header out of range");
    const TBytes header(image_, optional, optional + optionalSize);
    const std::uint32_t magic = header.U16(0, "optional header too short");
    // The data directories follow the fixed fields, which are longer in a 64-bit image.
    qint64 directories = 0;
    if (magic == 0x10B)
        directories = 96;
    else if (magic == 0x20B)
        directories = 112;
    else
        Fail("unknown optional header");
    const std::uint32_t directoryCount = header.U32(directories - 4, "optional header too short");
    std::uint32_t resourceRva = 0;
    std::uint32_t resourceSize = 0;
    if (directoryCount > 2) {
        resourceRva = header.U32(directories + 16, "optional header too short");
        resourceSize = header.U32(directories + 20, "optional header too short");
    }

    const qint64 table = optional + optionalSize;
    file.Check(table, qint64(sectionCount) * 40, "section table out of range");
    std::vector<TSection> sections;
    sections.reserve(sectionCount);
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        const qint64 at = table + qint64(i) * 40;
        sections.push_back({file.U32(at + 12, "section table out of range"), file.U32(at + 16, "section table out of range"),
                            file.U32(at + 20, "section table out of range")});
    }
    if (resourceRva == 0 && resourceSize == 0)
        return;  // a module without resources
    const std::optional<TMapped> view = MapRva(sections, resourceRva, image_.size());
    if (!view)
        Fail("resource directory out of range");

    // Three levels: type, name, language; of the languages only the first is kept.
    TDirectoryWalker walker(image_, sections, *view);
    for (const auto& type : walker.Directory(0, {})) {
        if (!(type.target & kHighBit))
            Fail("resource type without directory");
        const std::uint32_t typeDir = type.target & ~kHighBit;
        TTypeEntry typeEntry{type.id, {}};
        for (const auto& name : walker.Directory(typeDir, {0})) {
            if (!(name.target & kHighBit))
                Fail("resource name without directory");
            const std::uint32_t nameDir = name.target & ~kHighBit;
            const auto languages = walker.Directory(nameDir, {0, typeDir});
            std::optional<TMapped> first;
            for (const auto& language : languages) {
                if (language.target & kHighBit)
                    Fail("resource directory too deep");
                const TMapped data = walker.Data(language.target);
                if (!first)
                    first = data;
            }
            if (first)
                typeEntry.names.push_back({name.id, first->offset, first->end - first->offset});
        }
        types_.push_back(std::move(typeEntry));
    }
}

TModuleResources TModuleResources::FromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EModuleError(QStringLiteral("Cannot open module file ") + fileName);
    if (file.size() > kMaxFileSize)
        Fail("file too large");
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        throw EModuleError(QStringLiteral("Cannot read module file ") + fileName);
    return TModuleResources(std::move(bytes));
}

std::vector<TResourceId> TModuleResources::Types() const
{
    std::vector<TResourceId> result;
    for (const TTypeEntry& type : types_)
        result.push_back(type.id);
    return result;
}

std::vector<TResourceId> TModuleResources::Names(const TResourceId& type) const
{
    std::vector<TResourceId> result;
    for (const TTypeEntry& t : types_)
        if (t.id.Matches(type))
            for (const TNameEntry& n : t.names)
                result.push_back(n.id);
    return result;
}

std::optional<QByteArray> TModuleResources::Find(const TResourceId& type, const TResourceId& name) const
{
    for (const TTypeEntry& t : types_) {
        if (!t.id.Matches(type))
            continue;
        for (const TNameEntry& n : t.names)
            if (n.id.Matches(name))
                return image_.mid(n.offset, n.size);
    }
    return std::nullopt;
}

std::optional<QString> TModuleResources::FindString(int id) const
{
    if (id < 0 || id > 0xFFFF)
        return std::nullopt;
    // Strings come in blocks of sixteen, block n holding ids (n - 1) * 16 to n * 16 - 1.
    const std::optional<QByteArray> block = Find(kResourceString, id / 16 + 1);
    if (!block)
        return std::nullopt;
    const TBytes bytes(*block, 0, block->size());
    qint64 at = 0;
    for (int index = 0;; ++index) {
        const std::uint32_t length = bytes.U16(at, "string table out of range");
        bytes.Check(at + 2, qint64(length) * 2, "string table out of range");
        if (index == id % 16) {
            QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
            for (std::uint32_t i = 0; i < length; ++i)
                text[i] = QChar(static_cast<char16_t>(bytes.U16(at + 2 + 2 * qint64(i), "string table out of range")));
            return text;
        }
        at += 2 + qint64(length) * 2;
    }
}

bool TModuleResources::LoadBitmap(const TResourceId& name, TteBitmap& bitmap) const
{
    const std::optional<QByteArray> dib = Find(kResourceBitmap, name);
    if (!dib)
        return false;
    DecodeDib(*dib, bitmap);
    return true;
}

QStringList ReadWideStringRun(const QByteArray& data)
{
    QStringList result;
    const auto* chars = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype count = data.size() / 2;
    QString current;
    for (qsizetype i = 0; i < count; ++i) {
        const char16_t c = char16_t(chars[2 * i] | (chars[2 * i + 1] << 8));
        if (c != 0) {
            current += QChar(c);
            continue;
        }
        if (current.isEmpty())
            return result;
        result << current;
        current.clear();
    }
    if (!current.isEmpty())
        result << current;
    return result;
}
