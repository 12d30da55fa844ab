#include "themes/SkinSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdlib>

#include "framework/Filer.h"
#include "framework/Stream.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/Pixel.h"
#include "graphics/RowKernels.h"
#include "graphics/StoredString.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeSysColors.h"
#include "themes/SkinFilters.h"
#include "themes/SkinObjects.h"

namespace {

// Marks in the word before the objects: which tables follow them.
constexpr std::int32_t kAllTablesMark = 0xFF0000;
constexpr std::int32_t kColorsAndFontsMark = 0xF0000;
// Marks in the binary body's bitmap count: records with their flags, or records to be keyed.
constexpr std::int32_t kFlaggedBitmapsMark = 0xFFF000;
constexpr std::int32_t kKeyedBitmapsMark = 0xF0000;
// A stored bitmap record takes at least its name count, width and height.
constexpr std::int64_t kMinBitmapRecord = 12;
constexpr std::int64_t kMinStoredObject = 8;

bool HasMark(std::int32_t word, std::int32_t mark) { return (word & mark) == mark; }

std::int64_t Remaining(TStream& stream) { return stream.Size() - stream.Position(); }

void CheckCount(std::int32_t count, std::int64_t least, TStream& stream, const char* what)
{
    if (count < 0 || count > Remaining(stream) / least)
        throw EReadError(QStringLiteral("Damaged skin: %1 %2 cannot fit in the data").arg(count).arg(QLatin1String(what)));
}

// Bitmaps written with pure magenta or the key colour for their holes get the key in both. One
// pass does what SetTransparentColor with each colour and then DetectAlpha do in three.
void KeyBitmap(TteBitmap& bitmap)
{
    if (bitmap.Bits() == nullptr)
        return;
    const unsigned found =
        RowKernels().KeyNear(bitmap.Bits(), static_cast<std::size_t>(bitmap.Width()) * bitmap.Height());
    bitmap.SetTransparent((found & kRowKeyed) != 0);
    bitmap.SetAlphaBlend((found & kRowBlended) != 0);
}

// A bitmap stored as a platform bitmap file image.
std::unique_ptr<TteBitmap> ReadBitmapFile(TStream& stream)
{
    const QString name = ReadStoredString(stream);
    const std::int32_t size = ReadInt32(stream);
    if (size < 0 || size > Remaining(stream))
        throw EReadError(QStringLiteral("Damaged skin: the bitmap file %1 is cut short").arg(name));
    QByteArray bytes(size, Qt::Uninitialized);
    stream.ReadBuffer(bytes.data(), size);
    QImage image;
    if (!image.loadFromData(bytes, "BMP"))
        throw EReadError(QStringLiteral("Damaged skin: the bitmap file %1 cannot be read").arg(name));
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->Assign(image);
    bitmap->SetTransparentColor(TransparentKey);
    bitmap->DetectAlpha();
    bitmap->SetName(name);
    return bitmap;
}

}  // namespace

TSeSkinSource::TSeSkinSource(TComponent* owner)
    : TComponent(owner),
      bitmaps_(std::make_unique<TteBitmapList>()),
      colors_(std::make_unique<TteThemeColors>()),
      sysColors_(std::make_unique<TteThemeSysColors>()),
      fonts_(std::make_unique<TteThemeFonts>())
{
}

TSeSkinSource::~TSeSkinSource() = default;

void TSeSkinSource::AddObject(TSeSkinObject* object, bool detect)
{
    if (TComponent* owner = object->Owner())
        owner->RemoveComponent(object);
    objects_.emplace_back(object);
    object->BindBitmaps(bitmaps_.get(), detect);
}

void TSeSkinSource::Clear()
{
    objects_.clear();
    bitmaps_->Clear();
}

TSeSkinObject* TSeSkinSource::FindObject(const QString& name) const
{
    const qsizetype slash = name.indexOf(QLatin1Char('\\'));
    const QString top = slash < 0 ? name : name.left(slash);
    for (int i = 0; i < ObjectCount(); ++i) {
        TSeSkinObject* object = Object(i);
        if (object->Name().compare(top, Qt::CaseInsensitive) == 0)
            return slash < 0 ? object : object->FindObject(name.mid(slash + 1));
    }
    return nullptr;
}

bool TSeSkinSource::LoadFromStream(TStream& stream)
{
    const TSeSkinFilter* filter = FilterOfHeader(stream);
    return LoadFromStream(stream, filter != nullptr ? *filter : CompressedSkinFilter());
}

bool TSeSkinSource::LoadFromStream(TStream& stream, const TSeSkinFilter& filter)
{
    // Read into a fresh source first, so damaged data leaves this one as it was.
    TSeSkinSource fresh;
    filter.Read(stream, fresh);
    if (fresh.ObjectCount() == 0)
        return false;
    fresh.UnmaskClients();
    TakeFrom(fresh);
    return true;
}

void TSeSkinSource::UnmaskClients()
{
    for (int i = 0; i < ObjectCount(); ++i)
        if (TSeSkinObject* client = Object(i)->FindKind(TSeKind::skClient))
            client->SetMasked(false);
}

void TSeSkinSource::TakeFrom(TSeSkinSource& other)
{
    Clear();
    description_ = other.description_;
    std::swap(bitmaps_, other.bitmaps_);
    std::swap(colors_, other.colors_);
    std::swap(sysColors_, other.sysColors_);
    std::swap(fonts_, other.fonts_);
    // The objects stay bound: the bitmap list they point into came along.
    std::swap(objects_, other.objects_);
}

void TSeSkinSource::SaveToStream(TStream& stream) const { SaveToStream(stream, DefaultSkinFilter()); }

void TSeSkinSource::SaveToStream(TStream& stream, const TSeSkinFilter& filter) const { filter.Write(stream, *this); }

bool TSeSkinSource::LoadFromFile(const QString& fileName)
{
    if (fileName.isEmpty())
        return false;
    QString path = fileName;
    if (!QFileInfo::exists(path) && QFileInfo(path).isRelative())
        path = QDir(QCoreApplication::applicationDirPath()).filePath(fileName);
    const TSeSkinFilter* filter = FilterOfFileName(path);
    if (!QFileInfo::exists(path) || filter == nullptr)
        return false;
    TFileStream file(path, TFileMode::fmOpenRead);
    return LoadFromStream(file, *filter);
}

void TSeSkinSource::SaveToFile(const QString& fileName) const
{
    const TSeSkinFilter* filter = FilterOfFileName(fileName);
    TFileStream file(fileName, TFileMode::fmCreate);
    SaveToStream(file, filter != nullptr ? *filter : DefaultSkinFilter());
}

void TSeSkinSource::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TSeSkinSource*>(source);
    if (other == nullptr) {
        TComponent::Assign(source);
        return;
    }
    CopyFrom(*other, false);
}

void TSeSkinSource::AssignSharingBitmaps(const TSeSkinSource& other) { CopyFrom(other, true); }

void TSeSkinSource::CopyFrom(const TSeSkinSource& other, bool shareBitmaps)
{
    if (&other == this)
        return;
    Clear();
    description_ = other.description_;
    if (shareBitmaps) {
        bitmaps_->AddShared(*other.bitmaps_);
    } else {
        for (int i = 0; i < other.bitmaps_->Count(); ++i) {
            auto copy = std::make_unique<TteBitmap>();
            copy->Assign(*other.bitmaps_->GetBitmap(i));
            bitmaps_->Add(std::move(copy));
        }
    }
    // The bitmaps are the same pictures, so the links keep the transparency they had.
    for (int i = 0; i < other.ObjectCount(); ++i)
        AddObject(other.Object(i)->Clone(nullptr), false);
    colors_->Assign(other.colors_.get());
    sysColors_->Assign(other.sysColors_.get());
    fonts_->Assign(other.fonts_.get());
}

void TSeSkinSource::ChangeHue(int delta)
{
    for (int i = 0; i < bitmaps_->Count(); ++i)
        bitmaps_->GetBitmap(i)->ChangeHue(delta);
    for (int i = 0; i < ObjectCount(); ++i)
        Object(i)->TintHue(delta);
}

void TSeSkinSource::ChangeBrightness(int delta)
{
    for (int i = 0; i < bitmaps_->Count(); ++i)
        bitmaps_->GetBitmap(i)->ChangeBrightness(delta);
    for (int i = 0; i < ObjectCount(); ++i)
        Object(i)->TintBrightness(delta);
}

void TSeSkinSource::ReadBody(TStream& body, bool binary)
{
    try {
        description_.Name = ReadStoredString(body);
        description_.Version = ReadStoredString(body);
        description_.Author = ReadStoredString(body);
        description_.AuthorEMail = ReadStoredString(body);
        description_.AuthorURL = ReadStoredString(body);

        const std::int32_t bitmapWord = ReadInt32(body);
        const bool flagged = binary && HasMark(bitmapWord, kFlaggedBitmapsMark);
        const bool files = binary && !flagged && !HasMark(bitmapWord, kKeyedBitmapsMark);
        const std::int32_t bitmapCount = flagged ? bitmapWord & ~kFlaggedBitmapsMark
                                         : binary && !files ? bitmapWord & ~kKeyedBitmapsMark
                                                            : bitmapWord;
        CheckCount(bitmapCount, kMinBitmapRecord, body, "bitmaps");
        for (std::int32_t i = 0; i < bitmapCount; ++i) {
            if (files) {
                bitmaps_->Add(ReadBitmapFile(body));
                continue;
            }
            auto bitmap = std::make_unique<TteBitmap>();
            bitmap->LoadFromStream(body);
            if (flagged) {
                bitmap->LoadDrawFlags(body);
            } else {
                KeyBitmap(*bitmap);
            }
            bitmaps_->Add(std::move(bitmap));
        }

        const std::int32_t objectWord = ReadInt32(body);
        const bool allTables = HasMark(objectWord, kAllTablesMark);
        const bool colorsAndFonts = !allTables && HasMark(objectWord, kColorsAndFontsMark);
        const std::int32_t objectCount = allTables        ? objectWord & ~kAllTablesMark
                                         : colorsAndFonts ? objectWord & ~kColorsAndFontsMark
                                                          : objectWord;
        CheckCount(objectCount, kMinStoredObject, body, "objects");
        for (std::int32_t i = 0; i < objectCount; ++i)
            AddObject(ReadSkinObject(body, nullptr, binary));

        if (allTables || colorsAndFonts) {
            colors_->ReadColors(body);
            if (allTables)
                sysColors_->ReadColors(body);
            fonts_->ReadFonts(body);
        } else {
            BuildTables();
        }
    } catch (const EReadError& error) {
        throw EReadError(QStringLiteral("Damaged skin: %1").arg(error.Message()));
    }
}

void TSeSkinSource::WriteBody(TStream& body, bool binary) const
{
    WriteStoredString(body, description_.Name);
    WriteStoredString(body, description_.Version);
    WriteStoredString(body, description_.Author);
    WriteStoredString(body, description_.AuthorEMail);
    WriteStoredString(body, description_.AuthorURL);
    const int bitmapCount = bitmaps_->Count();
    if (binary && bitmapCount >= 0x1000)
        throw EWriteError(QStringLiteral("A skin in the binary form holds at most 4095 bitmaps, not %1").arg(bitmapCount));
    WriteInt32(body, binary ? bitmapCount | kFlaggedBitmapsMark : bitmapCount);
    for (int i = 0; i < bitmapCount; ++i) {
        const TteBitmap& bitmap = *bitmaps_->GetBitmap(i);
        bitmap.SaveToStream(body);
        if (binary) {
            bitmap.SaveDrawFlags(body);
        }
    }
    WriteInt32(body, ObjectCount() | kAllTablesMark);
    for (int i = 0; i < ObjectCount(); ++i)
        WriteSkinObject(body, *Object(i), binary);
    colors_->WriteColors(body);
    sysColors_->WriteColors(body);
    fonts_->WriteFonts(body);
}
