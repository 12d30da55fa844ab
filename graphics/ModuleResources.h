#pragma once
// The resources of a Windows module file (a PE image such as a ".msstyles" style), read as plain
// data: the resource directory is walked once, every offset checked against the file.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "framework/Exception.h"

class TteBitmap;

// A file that is not a module, or whose headers or resource directory are damaged; also a bitmap
// resource that cannot be decoded.
class EModuleError : public Exception {
public:
    using Exception::Exception;
};

// A resource type or name: a 16-bit number or a text, texts compared without regard to case.
class TResourceId {
public:
    TResourceId(int number) : number_(number) {}
    TResourceId(QString name) : number_(-1), name_(std::move(name)) {}
    TResourceId(const char* name) : TResourceId(QString::fromLatin1(name)) {}

    bool IsName() const { return number_ < 0; }
    int Number() const { return number_; }
    const QString& Name() const { return name_; }
    bool Matches(const TResourceId& other) const;

private:
    int number_;
    QString name_;
};

// Standard numeric resource types used here.
constexpr int kResourceBitmap = 2;
constexpr int kResourceString = 6;

class TModuleResources {
public:
    // Raises EModuleError for anything that is not a sound module image.
    explicit TModuleResources(QByteArray image);
    // Raises EModuleError also when the file cannot be read.
    static TModuleResources FromFile(const QString& fileName);

    // The types in directory order.
    std::vector<TResourceId> Types() const;
    // The names of a type in directory order (those that have a language); none for an absent type.
    std::vector<TResourceId> Names(const TResourceId& type) const;
    // The bytes of the resource's first language; nothing when there is no such resource.
    std::optional<QByteArray> Find(const TResourceId& type, const TResourceId& name) const;
    // The string with this id from the string tables; nothing when its block is absent.
    std::optional<QString> FindString(int id) const;
    // Decodes the bitmap resource into bitmap; false (bitmap untouched) when it is absent.
    bool LoadBitmap(const TResourceId& name, TteBitmap& bitmap) const;

    // Largest file FromFile reads (256 MiB) and most entries a directory walk visits.
    static constexpr qint64 kMaxFileSize = qint64(1) << 28;
    static constexpr int kMaxEntries = 1 << 18;

private:
    struct TNameEntry {
        TResourceId id;
        qint64 offset;
        qint64 size;
    };
    struct TTypeEntry {
        TResourceId id;
        std::vector<TNameEntry> names;
    };

    QByteArray image_;
    std::vector<TTypeEntry> types_;
};

// A run of zero-ended UTF-16 strings closed by an empty one (or by the end of the data).
QStringList ReadWideStringRun(const QByteArray& data);
