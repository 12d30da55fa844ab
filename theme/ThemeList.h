#pragma once
// Themes stored with a window: a list component holding a collection of items, each the complete
// data of one theme as bytes under the theme's name.
#include <QString>
#include <memory>

#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/Stream.h"

class TteTheme;

// One stored theme. Its "ThemeStream" value: a form byte, 0 for no data, 2 for a stored-string name
// followed by a 32-bit length and the data; 1 is an older form (read only) in which a theme's own
// stored form follows directly.
class TTeThemeStream : public TCollectionItem {
public:
    explicit TTeThemeStream(TCollection* collection);
    ~TTeThemeStream() override;

    const QString& Name() const { return name_; }
    // The theme's data from its start; empty when the item holds none.
    TMemoryStream& Data() { return data_; }
    const TMemoryStream& Data() const { return data_; }
    // Replaces the data with a theme's stored form (nothing when its kind cannot save), named after it.
    void SetTheme(TteTheme* theme);
    // Replaces the data and the name.
    void SetData(const QString& name, const QByteArray& data);

    // Reads the name; writing is ignored, since the name always comes from the data.
    QString ThemeStore() const { return name_; }
    void SetThemeStore(const QString&) {}
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    QString DisplayName() const override { return name_; }
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    // The theme the older stored form created; freed once the window has loaded.
    TteTheme* TemporaryTheme() const { return theme_.get(); }
    void FreeTemporaryTheme();

    // The value's stored form, as written into the window description.
    void ReadThemeStream(TStream& stream);
    void WriteThemeStream(TStream& stream) const;

private:
    std::unique_ptr<TteTheme> theme_;
    TMemoryStream data_;
    QString name_ = QStringLiteral("(empty)");
    int tag_ = 0;
};

class TTeThemeCollection : public TCollection {
public:
    explicit TTeThemeCollection(TPersistent* owner);

    TTeThemeStream* Items(int index) const { return static_cast<TTeThemeStream*>(TCollection::Items(index)); }
    TTeThemeStream* Add() { return static_cast<TTeThemeStream*>(TCollection::Add()); }
};

class TTeThemeList : public TComponent {
public:
    explicit TTeThemeList(TComponent* owner);

    TTeThemeCollection& Themes() { return themes_; }
    const TTeThemeCollection& Themes() const { return themes_; }
    QString Version() const { return QStringLiteral("6.0"); }

    // Frees the temporary themes that items in the older stored form created.
    void Loaded() override;

private:
    TTeThemeCollection themes_;
};

// The item an index chooses in list: the last one for a larger index; -1 without a list, with no
// items, or for a negative index.
int ChosenThemeIndex(const TTeThemeList* list, int index);

// The theme of the item's data, loaded by the first registered kind that recognises it; nullptr
// when the item holds no data or no kind reads it. The caller owns the theme.
TteTheme* LoadItemTheme(TTeThemeStream& item);

// Registers the list, engine and link with the component streaming (once, before a stored
// description names them).
void RegisterThemeComponents();
