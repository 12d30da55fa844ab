#include "themes/SkinFileTheme.h"

#include <cstring>

#include "framework/Stream.h"
#include "graphics/RectUtils.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeSysColors.h"
#include "themes/SkinFilters.h"
#include "themes/SkinObjectClasses.h"
#include "themes/SkinSource.h"

namespace {

struct TNamedEntry {
    TSkinEntry Entry;
    const char* Name;
};

// The entries taken as they are from the object of the name.
constexpr TNamedEntry kPlainEntries[] = {
    {TSkinEntry::Button, "Button"},         {TSkinEntry::Checkbox, "Checkbox"},
    {TSkinEntry::RadioButton, "RadioButton"}, {TSkinEntry::GroupBox, "GroupBox"},
    {TSkinEntry::ScrollBar, "ScrollBar"},   {TSkinEntry::ProgressBar, "ProgressBar"},
    {TSkinEntry::Edit, "Edit"},             {TSkinEntry::ComboBox, "ComboBox"},
    {TSkinEntry::TrackBar, "TrackBar"},     {TSkinEntry::MenuBar, "MenuBar"},
    {TSkinEntry::PopupMenu, "PopupMenu"},   {TSkinEntry::Header, "Header"},
    {TSkinEntry::StatusBar, "StatusBar"},   {TSkinEntry::Tabs, "Tabs"},
    {TSkinEntry::Container, "Container"},   {TSkinEntry::Frame, "Frame"},
    {TSkinEntry::ScrollBox, "ScrollBox"},   {TSkinEntry::Splitter, "Splitter"},
    {TSkinEntry::SpinButton, "SpinButton"}, {TSkinEntry::ControlBar, "ControlBar"},
    {TSkinEntry::Grid, "Grid"},             {TSkinEntry::ListBox, "ListBox"},
    {TSkinEntry::Hint, "Hint"},             {TSkinEntry::SpeedButton, "SpeedButton"},
    {TSkinEntry::ToolBar, "ToolBar"},       {TSkinEntry::Panel, "Panel"},
};

TSkinEntry Offset(TSkinEntry entry, int by) { return static_cast<TSkinEntry>(static_cast<int>(entry) + by); }

}  // namespace

TTeSkinFile::TTeSkinFile()
    : working_(new TSeSkinSource()), source_(new TSeSkinSource())
{
}

TTeSkinFile::~TTeSkinFile() = default;

const TteThemeClass& TTeSkinFile::ThemeClass() const { return ThemeClassOf<TTeSkinFile>(); }

QString TTeSkinFile::GetThemeKindName() { return QStringLiteral("DizaZizazi 3 theme"); }

TteThemeConfig TTeSkinFile::GetThemeConfig()
{
    TteThemeConfig config;
    config.BuiltIn = false;
    config.CanSave = true;
    config.CanLoadStream = true;
    QStringList filters;
    for (const TSeSkinFilter* filter : SkinFilters())
        filters << QStringLiteral("%1 (*.%2)|*.%2").arg(filter->Description(), filter->Extension());
    config.Filter = filters.join(QLatin1Char('|'));
    config.DefaultExt = QStringLiteral("mskn");
    return config;
}

bool TTeSkinFile::IsValidStream(TStream& stream)
{
    if (FilterOfHeader(stream) != nullptr)
        return true;
    char marker[sizeof TSeSkinFilterCompressed::kMarker];
    return stream.Read(marker, sizeof marker) == sizeof marker &&
           std::memcmp(marker, TSeSkinFilterCompressed::kMarker, sizeof marker) == 0;
}

void TTeSkinFile::Assign(const TPersistent* source)
{
    TteTheme::Assign(source);
    const auto* other = dynamic_cast<const TTeSkinFile*>(source);
    if (other == nullptr || other == this)
        return;
    table_.fill(nullptr);
    clones_.clear();
    source_->Assign(other->source_.get());
    Changed();
}

bool TTeSkinFile::LoadFromStream(TStream& stream)
{
    SetDefaultSkinFilter(CompressedSkinFilter());
    if (!source_->LoadFromStream(stream))
        return false;
    Changed();
    return true;
}

bool TTeSkinFile::SaveToStream(TStream& stream)
{
    SetDefaultSkinFilter(MaxCompressionSkinFilter());
    source_->Fonts().Assign(Fonts());
    source_->Colors().Assign(Colors());
    source_->SaveToStream(stream, MaxCompressionSkinFilter());
    return true;
}

bool TTeSkinFile::LoadFromFile(const QString& fileName)
{
    if (!source_->LoadFromFile(fileName))
        return false;
    SetFileName(fileName);
    Changed();
    return true;
}

bool TTeSkinFile::SaveToFile(const QString& fileName)
{
    source_->Fonts().Assign(Fonts());
    source_->Colors().Assign(Colors());
    source_->SaveToFile(fileName);
    return true;
}

void TTeSkinFile::Changed()
{
    if (source_ && working_) {
        SetDefaultSkinFilter(UncompressedSkinFilter());
        // The table's objects live in Working and in the clones; both are about to go.
        table_.fill(nullptr);
        clones_.clear();
        // Working's bitmaps change only under a hue or brightness shift; without one they are
        // Source's own, which nothing else changes while Working is built from it.
        if (DeltaHue() == 0 && DeltaBrightness() == 0)
            working_->AssignSharingBitmaps(*source_);
        else
            working_->Assign(source_.get());
        BuildObjectTable();
        if (source_->ObjectCount() > 0)
            SetName(source_->SkinName());
    }
    TteTheme::Changed();
}

void TTeSkinFile::InitColors()
{
    if (!working_ || working_->ObjectCount() == 0) {
        TteTheme::InitColors();
        return;
    }
    Colors()->Assign(&working_->Colors());
    SysColors()->Assign(&working_->SysColors());
    Colors()->ApplyHue(DeltaHue());
    Colors()->ApplyBrightness(DeltaBrightness());
}

void TTeSkinFile::InitFonts()
{
    if (!working_ || working_->ObjectCount() == 0) {
        TteTheme::InitFonts();
        return;
    }
    Fonts()->Assign(&working_->Fonts());
    Fonts()->ApplyHue(DeltaHue());
    Fonts()->ApplyBrightness(DeltaBrightness());
}

TSeSkinObject* TTeSkinFile::Own(TSeSkinObject* clone)
{
    clones_.emplace_back(clone);
    return clone;
}

void TTeSkinFile::BuildObjectTable()
{
    table_.fill(nullptr);
    clones_.clear();
    if (working_->ObjectCount() == 0)
        return;
    if (DeltaHue() != 0)
        working_->ChangeHue(DeltaHue());
    if (DeltaBrightness() != 0)
        working_->ChangeBrightness(DeltaBrightness());
    BuildFrameEntries(TSkinEntry::Form, "Form");
    for (const TNamedEntry& named : kPlainEntries)
        table_[static_cast<int>(named.Entry)] = working_->FindObject(QLatin1String(named.Name));
    BuildFrameEntries(TSkinEntry::ToolWindow, "ToolWindow");
}

void TTeSkinFile::BuildFrameEntries(TSkinEntry frame, const char* name)
{
    TSeSkinObject* object = working_->FindObject(QLatin1String(name));
    table_[static_cast<int>(frame)] = object;
    if (object == nullptr)
        return;
    if (TSeSkinObject* client = object->FindKind(TSeKind::skClient)) {
        table_[static_cast<int>(Offset(frame, 1))] = Own(client->Clone(nullptr));
        // The frame paints around the client area, which the window's background fills.
        TComponent* parent = client->Owner();
        const TSeAlign align = client->Align();
        const QString clientName = client->Name();
        client->Free();
        auto* placeholder = new TSeSkinObject(parent);
        placeholder->SetName(clientName);
        placeholder->SetColor(kSkinNoColor);
        placeholder->SetAlign(align);
        placeholder->SetKind(TSeKind::skClient);
        placeholder->BindBitmaps(&working_->Bitmaps());
    }
    table_[static_cast<int>(Offset(frame, 2))] = Own(object->Clone(nullptr));
    table_[static_cast<int>(Offset(frame, 3))] = Own(object->Clone(nullptr));
    HideSystemButtons(*object);
}

// --- picking objects ---

bool TTeSkinFile::Names(const QString& objectName) const
{
    return !objectName.isEmpty() && objectName.compare(QLatin1String("default"), Qt::CaseInsensitive) != 0 &&
           working_->FindObject(objectName) != nullptr;
}

TSeSkinObject* TTeSkinFile::Pick(const QString& objectName, TSkinEntry entry) const
{
    if (!objectName.isEmpty() && objectName.compare(QLatin1String("default"), Qt::CaseInsensitive) != 0)
        if (TSeSkinObject* named = working_->FindObject(objectName))
            return named;
    return Entry(entry);
}

bool TTeSkinFile::Available(const QString& objectName, TSkinEntry entry) const
{
    return Names(objectName) || Entry(entry) != nullptr;
}

TSeSkinObject* TTeSkinFile::ChildOf(TSeSkinObject* object, std::initializer_list<const char*> names)
{
    if (object == nullptr)
        return nullptr;
    for (const char* name : names)
        if (TSeSkinObject* child = object->FindObject(QLatin1String(name)))
            return child;
    return nullptr;
}

bool TTeSkinFile::FrameMasked(const QString& objectName, TSkinEntry entry) const
{
    const TSeSkinObject* frame = ChildOf(Pick(objectName, entry), {"Frame"});
    return frame != nullptr && frame->Masked();
}

void TTeSkinFile::PaintObject(TSeSkinObject* object, TCanvas& canvas, const TRect& rect, std::uint8_t state,
                              bool centred)
{
    if (object == nullptr || rect.IsEmpty())
        return;
    object->SetState(state);
    object->SetBounds(centred ? CenterRect({0, 0, object->Width(), object->Height()}, rect) : rect);
    object->Paint(canvas, {});
}

void TTeSkinFile::PaintChild(const QString& objectName, TSkinEntry entry, std::initializer_list<const char*> names,
                             TCanvas& canvas, const TRect& rect, std::uint8_t state, bool centred)
{
    PaintObject(ChildOf(Pick(objectName, entry), names), canvas, rect, state, centred);
}

TRect TTeSkinFile::ShrunkByMargins(TSeSkinObject* child, const TRect& rect) const
{
    if (child == nullptr)
        return rect;
    child->SetBounds(rect);
    return {rect.Left + child->MarginLeft(), rect.Top + child->MarginTop(), rect.Right - child->MarginRight(),
            rect.Bottom - child->MarginBottom()};
}

// --- queries ---

TRect TTeSkinFile::GetObjectBounds(const QString& objectName)
{
    if (TSeSkinObject* bounds = ChildOf(working_->FindObject(objectName), {"Bounds"}))
        return bounds->BoundsRect();
    return TteTheme::GetObjectBounds(objectName);
}

TColor TTeSkinFile::GetCustomColor(const QString& colorName)
{
    TSeSkinObject* object = nullptr;
    if (colorName.contains(QLatin1Char('\\')))
        object = working_->FindObject(colorName);
    if (object == nullptr) {
        if (TSeSkinObject* custom = working_->FindObject(QStringLiteral("CustomColors")))
            object = custom->FindObject(colorName);
        else
            object = working_->FindObject(colorName);
    }
    return object != nullptr ? object->Color() : TteTheme::GetCustomColor(colorName);
}
