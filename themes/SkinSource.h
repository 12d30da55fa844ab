#pragma once
// A skin as it is kept, read and written: five descriptive strings, named bitmaps, the top-level
// skin objects (each the root of a tree) and the colour, system-colour and font tables.
#include <QString>
#include <memory>
#include <vector>

#include "framework/Component.h"

class TStream;
class TSeSkinFilter;
class TSeSkinObject;
class TteBitmapList;
class TteThemeColors;
class TteThemeFonts;
class TteThemeSysColors;

class TSeSkinSource : public TComponent {
public:
    explicit TSeSkinSource(TComponent* owner = nullptr);
    ~TSeSkinSource() override;

    const QString& SkinName() const { return description_.Name; }
    void SetSkinName(const QString& value) { description_.Name = value; }
    const QString& SkinVersion() const { return description_.Version; }
    void SetSkinVersion(const QString& value) { description_.Version = value; }
    const QString& Author() const { return description_.Author; }
    void SetAuthor(const QString& value) { description_.Author = value; }
    const QString& AuthorEMail() const { return description_.AuthorEMail; }
    void SetAuthorEMail(const QString& value) { description_.AuthorEMail = value; }
    const QString& AuthorURL() const { return description_.AuthorURL; }
    void SetAuthorURL(const QString& value) { description_.AuthorURL = value; }

    // The top-level objects, owned, in the order read or added. They have no owner component: a
    // component tree tells every member of each insertion, and skins are read and copied often.
    int ObjectCount() const { return static_cast<int>(objects_.size()); }
    TSeSkinObject* Object(int index) const { return objects_.at(index).get(); }
    // Takes ownership of a new top-level object (taking it from its owner, if any); its bitmap
    // links are bound to Bitmaps (keeping the transparency they have unless detect).
    void AddObject(TSeSkinObject* object, bool detect = true);
    TteBitmapList& Bitmaps() const { return *bitmaps_; }
    TteThemeColors& Colors() const { return *colors_; }
    TteThemeSysColors& SysColors() const { return *sysColors_; }
    TteThemeFonts& Fonts() const { return *fonts_; }

    // Frees every bitmap and every top-level object.
    void Clear();
    // The top-level object of the name (case ignored); for "a\b" the first object named b (depth
    // first, itself included) in the top-level object a. Null when none.
    TSeSkinObject* FindObject(const QString& name) const;

    // Reads with the filter whose header starts the stream, else the compressed filter. Damaged
    // data raises and leaves the source as it was; so does data without top-level objects, which
    // answers false.
    bool LoadFromStream(TStream& stream);
    bool LoadFromStream(TStream& stream, const TSeSkinFilter& filter);
    // Writes with the default filter.
    void SaveToStream(TStream& stream) const;
    void SaveToStream(TStream& stream, const TSeSkinFilter& filter) const;
    // Reads a file whose extension a filter has (a name without a folder is looked for beside the
    // program when it is not found as it stands); false for an empty name, a missing file, an
    // unknown extension, or a skin without objects.
    bool LoadFromFile(const QString& fileName);
    // The filter of the extension, else the default filter.
    void SaveToFile(const QString& fileName) const;

    void Assign(const TPersistent* source) override;
    // As Assign, with the other's bitmaps themselves in place of copies: for a copy that never
    // changes their pixels, the copies being the most of a copy's cost.
    void AssignSharingBitmaps(const TSeSkinSource& other);
    // The colour and font tables from well-known objects, for skins stored without tables.
    void BuildTables();
    void ChangeHue(int delta);
    void ChangeBrightness(int delta);

    // The reading side of a skin body (the filters call these).
    void ReadBody(TStream& body, bool binary);
    void WriteBody(TStream& body, bool binary) const;

private:
    void CopyFrom(const TSeSkinSource& other, bool shareBitmaps);
    // Takes over everything another source holds.
    void TakeFrom(TSeSkinSource& other);
    // Objects of kind skClient are part of the window's shape only through their parents.
    void UnmaskClients();

    // What the skin says about itself; it goes with the skin whenever one is copied or taken over.
    struct TDescription {
        QString Name = QStringLiteral("RorezAzizad Theme");
        QString Version = QStringLiteral("6.0");
        QString Author = QStringLiteral("Trackwell");
        QString AuthorEMail;
        QString AuthorURL;
    };

    TDescription description_;
    std::vector<TOwned<TSeSkinObject>> objects_;
    std::unique_ptr<TteBitmapList> bitmaps_;
    std::unique_ptr<TteThemeColors> colors_;
    std::unique_ptr<TteThemeSysColors> sysColors_;
    std::unique_ptr<TteThemeFonts> fonts_;
};
