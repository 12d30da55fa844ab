// The visual-style theme: kind, packed stream, element objects and the tables filled from the style.
#include "themes/MsStylesTheme.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QtEndian>
#include <cstring>
#include <functional>

#include "framework/Font.h"
#include "framework/IniFile.h"
#include "framework/Stream.h"
#include "framework/StringList.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/ModuleResources.h"
#include "graphics/Pixel.h"
#include "graphics/StoredString.h"
#include "graphics/ZlibCompression.h"
#include "graphics/ZlibDecompression.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeSysColors.h"
#include "themes/MsStylesElements.h"
#include "themes/MsuxThemeObject.h"
#include "themes/MsuxValueForms.h"

namespace {

const QString kSysMetrics = QStringLiteral("SysMetrics");

// The smallest bitmap record: empty name, width, height, the name again, two flag bytes.
constexpr std::int64_t kMinBitmapRecord = 4 + 4 + 4 + 4 + 1 + 1;

// The whole inflated body; reading it to its end lets zlib verify the checksum before anything is used.
// A few kilobytes can inflate to gigabytes, so the body is held to what a style can sensibly need.
void Inflate(TStream& source, TMemoryStream& body)
{
    char buffer[65536];
    bool tooLarge = false;
    try {
        TDecompressionStream inflater(source);
        for (std::int64_t got; !tooLarge && (got = inflater.Read(buffer, sizeof buffer)) > 0;) {
            tooLarge = body.Size() + got > TTeThemeMsStyles::kMaxBodySize;
            if (!tooLarge)
                body.WriteBuffer(buffer, got);
        }
        if (!tooLarge)
            inflater.SkipToEnd();
    } catch (const EDecompressionError& error) {
        throw EDecompressionError(QStringLiteral("Damaged visual style data: the compressed body is invalid (%1)")
                                      .arg(error.Message()));
    }
    if (tooLarge)
        throw EDecompressionError(QStringLiteral("Damaged visual style data: the body is larger than %1 MB")
                                      .arg(TTeThemeMsStyles::kMaxBodySize >> 20));
    body.Seek(0, TSeekOrigin::soBeginning);
}

bool IsPackedFileName(const QString& fileName) { return fileName.toLower().endsWith(QStringLiteral(".theme")); }

// A module's style text is UTF-16 with " = " between keys and values; the last four characters are
// padding and never part of the text.
QString StyleIniText(const QByteArray& utf16)
{
    const qsizetype length = utf16.size() / 2;
    const auto at = [&utf16](qsizetype i) { return QChar(qFromLittleEndian<quint16>(utf16.constData() + 2 * i)); };
    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < length - 4;) {
        if (i + 2 < length && at(i) == u' ' && at(i + 1) == u'=' && at(i + 2) == u' ') {
            text += u'=';
            i += 3;
        } else {
            text += at(i);
            ++i;
        }
    }
    return text;
}

}  // namespace

TTeThemeMsStyles::TTeThemeMsStyles()
    : ini_(std::make_unique<TMemIniFile>()),
      bitmaps_(std::make_unique<TteBitmapList>()),
      packedCache_(std::make_unique<TMemoryStream>()),
      msgBoxFont_(std::make_unique<TFont>()),
      scratch_(std::make_unique<TteBitmap>())
{
    scratch_->SetSize(1, 1);
}

TTeThemeMsStyles::~TTeThemeMsStyles()
{
    // The element objects hold links into the bitmaps.
    elements_.clear();
}

const TteThemeClass& TTeThemeMsStyles::ThemeClass() const { return ThemeClassOf<TTeThemeMsStyles>(); }

QString TTeThemeMsStyles::GetThemeKindName() { return QStringLiteral("Microsoft msstyles"); }

TteThemeConfig TTeThemeMsStyles::GetThemeConfig()
{
    TteThemeConfig config;
    config.CanSave = true;
    config.CanLoadStream = true;
    config.Filter = GetThemeKindName() + QStringLiteral(" (*.msstyles)|*.msstyles|") +
                    QStringLiteral("RorezAzizad themes (*.theme)|*.theme");
    config.DefaultExt = QStringLiteral("msstyles");
    return config;
}

bool TTeThemeMsStyles::IsValidStream(TStream& stream)
{
    char magic[sizeof kMagic];
    return stream.Read(magic, sizeof magic) == sizeof magic && std::memcmp(magic, kMagic, sizeof magic) == 0;
}

bool TTeThemeMsStyles::LoadFromStream(TStream& stream)
{
    ReplaceStyle([this, &stream] { return LoadPacked(stream); });
    return true;
}

void TTeThemeMsStyles::ReplaceStyle(const std::function<bool()>& load)
{
    std::unique_ptr<TMemoryStream> previous = std::move(packedCache_);
    packedCache_ = std::make_unique<TMemoryStream>();
    justRead_.reset();
    try {
        if (!load()) {
            packedCache_ = std::move(previous);
            return;
        }
        Changed();
    } catch (...) {
        // The previous style was built before, so it builds again.
        packedCache_ = std::move(previous);
        Changed();
        throw;
    }
}

bool TTeThemeMsStyles::SaveToStream(TStream& stream)
{
    SavePacked(stream);
    return true;
}

bool TTeThemeMsStyles::LoadFromFile(const QString& fileName)
{
    if (IsPackedFileName(fileName)) {
        TFileStream file(fileName, TFileMode::fmOpenRead);
        // A file that is no packed style is refused rather than "loaded" as nothing.
        if (!IsValidStream(file))
            return false;
        file.Seek(0, TSeekOrigin::soBeginning);
        LoadFromStream(file);
        msStylesFileName_ = fileName;
        SetFileName(fileName);
        return true;
    }
    return LoadFromModule(fileName);
}

bool TTeThemeMsStyles::LoadFromModule(const QString& fileName)
{
    auto module = std::make_unique<TModuleResources>(TModuleResources::FromFile(fileName));
    const auto names = [&module, &fileName](const char* type) {
        const std::optional<QByteArray> data = module->Find(QString::fromLatin1(type), 1);
        if (!data)
            throw EModuleError(QStringLiteral("The visual style %1 has no %2 resource").arg(fileName, QLatin1String(type)));
        return ReadWideStringRun(*data);
    };
    const QStringList colorNames = names("COLORNAMES");
    const QStringList sizeNames = names("SIZENAMES");
    const QStringList fileResNames = names("FILERESNAMES");
    if (colorNames.isEmpty() || sizeNames.isEmpty() || fileResNames.isEmpty())
        return false;
    // The style texts are listed by colour scheme, each in every size; the first is the one read.
    const QString resName = fileResNames.first();
    const std::optional<QByteArray> text = module->Find(QStringLiteral("TEXTFILE"), resName);
    if (!text)
        throw EModuleError(QStringLiteral("The visual style %1 has no TEXTFILE resource %2").arg(fileName, resName));

    const auto release = qScopeGuard([this] { module_.reset(); });
    ReplaceStyle([&] {
        TStringList lines;
        lines.SetText(StyleIniText(*text));
        ini_->SetStrings(lines);
        // Only the bitmaps of this module belong to the style; BuildObjects fetches them as sections name them.
        elements_.clear();
        bitmaps_ = std::make_unique<TteBitmapList>();
        themeName_ = QFileInfo(fileName).completeBaseName();
        SetName(themeName_);
        module_ = std::move(module);
        return true;
    });
    colorNames_ = colorNames;
    sizeNames_ = sizeNames;
    fileResNames_ = fileResNames;
    msStylesFileName_ = fileName;
    SetFileName(fileName);
    return true;
}

bool TTeThemeMsStyles::SaveToFile(const QString& fileName)
{
    if (!IsPackedFileName(fileName))
        return false;
    TFileStream file(fileName, TFileMode::fmCreate);
    return SaveToStream(file);
}

void TTeThemeMsStyles::Assign(const TPersistent* source)
{
    TteTheme::Assign(source);
    auto* other = dynamic_cast<const TTeThemeMsStyles*>(source);
    if (other == nullptr || other == this)
        return;
    TMemoryStream packed;
    const_cast<TTeThemeMsStyles*>(other)->SavePacked(packed);
    packed.Seek(0, TSeekOrigin::soBeginning);
    ReplaceStyle([this, &packed] { return LoadPacked(packed); });
}

void TTeThemeMsStyles::Changed()
{
    BuildObjects();
    TteTheme::Changed();
}

bool TTeThemeMsStyles::LoadPacked(TStream& stream)
{
    if (!IsValidStream(stream))
        return false;
    auto body = std::make_unique<TMemoryStream>();
    Inflate(stream, *body);
    ReadBody(*body);
    justRead_ = std::move(body);
    return true;
}

void TTeThemeMsStyles::ReadBody(TStream& body)
{
    // Everything is read into locals first, so damaged data leaves the theme as it was.
    QString name;
    QString iniText;
    auto bitmaps = std::make_unique<TteBitmapList>();
    int index = -1;
    try {
        name = ReadStoredString(body);
        iniText = ReadStoredString(body);
        const qint32 count = ReadInt32(body);
        if (count > 0 && count > (body.Size() - body.Position()) / kMinBitmapRecord)
            throw EReadError(QStringLiteral("Damaged visual style data: %1 bitmaps cannot fit in the data").arg(count));
        for (index = 0; index < count; ++index) {
            auto bitmap = std::make_unique<TteBitmap>();
            bitmap->LoadFromStream(body);
            bitmap->SetName(ReadStoredString(body));
            bitmap->LoadDrawFlags(body);
            bitmaps->Add(std::move(bitmap));
        }
    } catch (const EReadError& error) {
        const QString where =
            index < 0 ? QStringLiteral("the header") : QStringLiteral("bitmap record %1").arg(index + 1);
        throw EReadError(QStringLiteral("Damaged visual style data: %1 is cut short or invalid (%2)")
                             .arg(where, error.Message()));
    }

    TStringList lines;
    lines.SetText(iniText);
    ini_->SetStrings(lines);
    // The element objects link into the old bitmaps.
    elements_.clear();
    bitmaps_ = std::move(bitmaps);
    themeName_ = name;
    SetName(name);
}

void TTeThemeMsStyles::SavePacked(TStream& stream)
{
    stream.WriteBuffer(kMagic, sizeof kMagic);
    TCompressionStream deflater(TCompressionLevel::lvFastest, stream);
    WriteBody(deflater);
    deflater.Finish();
}

void TTeThemeMsStyles::WriteBody(TStream& body) const
{
    WriteStoredString(body, Name());
    TStringList lines;
    ini_->GetStrings(lines);
    WriteStoredString(body, lines.Text());
    WriteInt32(body, bitmaps_->Count());
    for (int i = 0; i < bitmaps_->Count(); ++i) {
        const TteBitmap* bitmap = bitmaps_->GetBitmap(i);
        bitmap->SaveToStream(body);
        WriteStoredString(body, bitmap->Name());
        bitmap->SaveDrawFlags(body);
    }
}

const std::vector<QString>& TTeThemeMsStyles::ElementSections()
{
    static const std::vector<QString> sections(kMsElementSections.begin(), kMsElementSections.end());
    return sections;
}

TmsuxThemeObject* TTeThemeMsStyles::Element(const QString& sectionName) const
{
    for (const auto& element : elements_)
        if (element->SectionName.compare(sectionName, Qt::CaseInsensitive) == 0)
            return element.get();
    return nullptr;
}

TmsuxThemeObject& TTeThemeMsStyles::Element(TMsElement element) const
{
    return *elements_.at(static_cast<std::size_t>(element));
}

void TTeThemeMsStyles::BuildObjects()
{
    if (packedCache_->Size() > 0) {
        packedCache_->Seek(0, TSeekOrigin::soBeginning);
        ReadBody(*packedCache_);
    }

    elements_.clear();
    for (const QString& section : ElementSections()) {
        elements_.push_back(std::make_unique<TmsuxThemeObject>(*ini_, section, bitmaps_.get(), this));
    }
    const auto metric = [this](const char* key, const char* defaultValue) {
        return MsuxInteger(ini_->ReadString(kSysMetrics, QString::fromLatin1(key), QString::fromLatin1(defaultValue)));
    };
    captionBarHeight_ = metric("CaptionBarHeight", "25");
    smCaptionBarHeight_ = metric("SMCaptionBarHeight", "17");
    borderWidth_ = metric("BorderWidth", "4");
    smBorderWidth_ = metric("SMBorderWidth", "3");

    if (packedCache_->Size() == 0) {
        if (justRead_)
            packedCache_ = std::move(justRead_);
        else
            WriteBody(*packedCache_);
    }
    justRead_.reset();

    if (DeltaHue() == 0 && DeltaBrightness() == 0)
        return;
    for (int i = 0; i < bitmaps_->Count(); ++i) {
        TteBitmap* bitmap = bitmaps_->GetBitmap(i);
        bitmap->ChangeHue(DeltaHue());
        bitmap->ChangeBrightness(DeltaBrightness());
    }
    for (const auto& element : elements_) {
        if (!element->IsLoaded())
            continue;
        element->FillColor = Tinted(element->FillColor);
        element->BorderColor = Tinted(element->BorderColor);
        element->TextColor = Tinted(element->TextColor);
    }
}

void TTeThemeMsStyles::EnsureBitmap(const QString& imageName)
{
    const QString name = imageName.toUpper();
    for (int i = 0; i < bitmaps_->Count(); ++i)
        if (bitmaps_->GetBitmap(i)->Name() == name)
            return;
    auto bitmap = std::make_unique<TteBitmap>();
    if (module_) {
        try {
            module_->LoadBitmap(name, *bitmap);
        } catch (const EModuleError&) {
            // A picture the module cannot give stays empty; the section then draws without it.
        }
    }
    bitmap->SetName(name);
    bitmaps_->Add(std::move(bitmap));
}

bool TTeThemeMsStyles::IsEmpty() const
{
    return bitmaps_->Count() == 0 || elements_.empty() || !Element(TMsElement::ButtonPushbutton).IsLoaded();
}

TColor TTeThemeMsStyles::Tinted(TColor color) const
{
    // A hue step of 0 would still round the hue to 1/255 of a turn and move the colour.
    if (DeltaHue() != 0)
        color = HueShiftColor(color, DeltaHue());
    return BrightnessShiftColor(color, DeltaBrightness());
}

TColor TTeThemeMsStyles::MetricColor(const QString& key, const QString& defaultValue) const
{
    return MsuxColor(ini_->ReadString(kSysMetrics, key, defaultValue));
}

void TTeThemeMsStyles::InitColors()
{
    TteTheme::InitColors();
    if (IsEmpty())
        return;
    Colors()->SetColor(TteThemeColor::ktcButtonNormal, Element(TMsElement::ButtonPushbutton).FillColorHint);
    const TColor list = Element(TMsElement::Listview).FillColor;
    for (TteThemeColor entry :
         {TteThemeColor::ktcList, TteThemeColor::ktcTree, TteThemeColor::ktcGrid, TteThemeColor::ktcBarDock})
        Colors()->SetColor(entry, list);
}

void TTeThemeMsStyles::InitSysColors()
{
    TteTheme::InitSysColors();
    if (IsEmpty())
        return;
    const QString grey = QStringLiteral("100 100 100");
    SysColors()->SetSysColor(clWindow, MetricColor(QStringLiteral("Window"), grey));
    SysColors()->SetSysColor(clBtnFace, MetricColor(QStringLiteral("BtnFace"), grey));
    SysColors()->SetSysColor(clHighlight, MetricColor(QStringLiteral("Highlight"), grey));
    SysColors()->SetSysColor(clBtnShadow, MetricColor(QStringLiteral("BtnShadow"), grey));
    SysColors()->SetSysColor(clHighlightText, MetricColor(QStringLiteral("HighlightText"), grey));
    menuColor_ = Tinted(MetricColor(QStringLiteral("Menu"), grey));
    menuHilightColor_ = Tinted(MetricColor(QStringLiteral("MenuHilight"), grey));
    SysColors()->ApplyHue(DeltaHue());
    SysColors()->ApplyBrightness(DeltaBrightness());
}

void TTeThemeMsStyles::InitFonts()
{
    TteTheme::InitFonts();
    if (IsEmpty())
        return;
    using enum TteThemeFont;
    TFont caption;
    MsuxFont(ini_->ReadString(kSysMetrics, QStringLiteral("CaptionFont"), QStringLiteral("Tahoma,10")), caption);
    for (TteThemeFont index : {ktfCaptionTextNormal, ktfCaptionTextInactive}) {
        Fonts()->GetFont(index)->SetName(caption.Name());
        Fonts()->GetFont(index)->SetSize(caption.Size());
    }
    const QString white = QStringLiteral("255 255 255");
    Fonts()->GetFont(ktfCaptionTextNormal)->SetColor(MetricColor(QStringLiteral("CaptionText"), white));
    Fonts()->GetFont(ktfCaptionTextInactive)->SetColor(MetricColor(QStringLiteral("InactiveCaptionText"), white));
    MsuxFont(ini_->ReadString(kSysMetrics, QStringLiteral("MsgBoxFont"), QStringLiteral("Tahoma, 8")), *msgBoxFont_);
    const TColor highlightText = MetricColor(QStringLiteral("HighlightText"), QStringLiteral("100 100 100"));
    for (TteThemeFont index :
         {ktfMenuItemTextSelected, ktfMenuItemTextHot, ktfPopupMenuItemTextSelected, ktfPopupMenuItemTextHot})
        Fonts()->GetFont(index)->SetColor(highlightText);
    const TColor buttonText = Element(TMsElement::ButtonPushbutton).TextColor;
    for (TteThemeFont index :
         {ktfButtonTextNormal, ktfButtonTextHot, ktfButtonTextPressed, ktfButtonTextFocused, ktfButtonTextDisabled}) {
        TFont* font = Fonts()->GetFont(index);
        font->SetName(msgBoxFont_->Name());
        font->SetSize(msgBoxFont_->Size());
        font->SetStyle(msgBoxFont_->Style());
        font->SetColor(buttonText);
    }
    const TColor disabledText = Element(TMsElement::ButtonPushbuttonDisabled).TextColor;
    Fonts()->GetFont(ktfButtonTextDisabled)->SetColor(disabledText);
}
