// TteTheme: construction, copying, the tables' rebuild and the abstract theme's answers.
#include "theme/Theme.h"

#include "framework/Canvas.h"
#include "graphics/RectUtils.h"

TteTheme::TteTheme() : name_(QStringLiteral("Default theme"))
{
    colors_ = std::make_unique<TteThemeColors>(this);
    sysColors_ = std::make_unique<TteThemeSysColors>(this);
    fonts_ = std::make_unique<TteThemeFonts>(this);
    options_ = std::make_unique<TteThemeOptions>(this);
    // Every kind starts from the abstract theme's values and writes only the entries it has.
    colors_->SetDefaults();
    fonts_->SetDefaults();
}

TteTheme::~TteTheme()
{
    options_.reset();
    fonts_.reset();
    sysColors_.reset();
    colors_.reset();
}

void TteTheme::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TteTheme*>(source)) {
        name_ = other->name_;
        colors_->Assign(other->colors_.get());
        sysColors_->Assign(other->sysColors_.get());
        fonts_->Assign(other->fonts_.get());
        options_->Assign(other->options_.get());
        return;
    }
    TPersistent::Assign(source);
}

const TteThemeClass& TteTheme::ThemeClass() const
{
    return ThemeClassOf<TteTheme>();
}

void TteTheme::InitColors()
{
    colors_->SetDefaults();
    colors_->ApplyHue(deltaHue_);
    colors_->ApplyBrightness(deltaBrightness_);
}

void TteTheme::InitSysColors()
{
    sysColors_->ApplyHue(deltaHue_);
    sysColors_->ApplyBrightness(deltaBrightness_);
}

void TteTheme::InitFonts()
{
    fonts_->SetDefaults();
    fonts_->ApplyHue(deltaHue_);
    fonts_->ApplyBrightness(deltaBrightness_);
}

void TteTheme::AssignFont(TFont& font, int fontIndex, const QString&)
{
    font.Assign(fonts_->GetFont(fontIndex));
}

QString TteTheme::GetThemeKindName()
{
    return QStringLiteral("Default");
}

TteThemeConfig TteTheme::GetThemeConfig()
{
    return {};
}

bool TteTheme::IsValidStream(TStream&)
{
    return false;
}

bool TteTheme::LoadFromStream(TStream&)
{
    return false;
}

bool TteTheme::SaveToStream(TStream&)
{
    return false;
}

bool TteTheme::LoadFromFile(const QString&)
{
    return false;
}

bool TteTheme::SaveToFile(const QString&)
{
    return false;
}

void TteTheme::Changed()
{
    InitColors();
    InitSysColors();
    InitFonts();
}

void TteTheme::SetDeltaHue(int delta)
{
    SetDeltas(delta, deltaBrightness_);
}

void TteTheme::SetDeltaBrightness(int delta)
{
    SetDeltas(deltaHue_, delta);
}

void TteTheme::SetDeltas(int hue, int brightness)
{
    if (hue == deltaHue_ && brightness == deltaBrightness_)
        return;
    deltaHue_ = hue;
    deltaBrightness_ = brightness;
    Changed();
}

TRect TteTheme::GetObjectBounds(const QString&)
{
    return {};
}

TColor TteTheme::GetCustomColor(const QString&)
{
    return clNone;
}

// --- availability, transparency and content rectangles of the abstract theme ---

bool TteTheme::IsFormAvailable(TteFormKind, const QString&) { return false; }
std::optional<QRegion> TteTheme::GetFormRegion(TteFormKind, const TRect&, const QString&) { return std::nullopt; }

bool TteTheme::IsHintAvailable(TteKind, const QString&) { return false; }
TRect TteTheme::GetHintClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InsetRect(rect, 10, 13);
}

bool TteTheme::IsLabelAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsLabelTransparent(TteKind, const QString&) { return true; }

bool TteTheme::IsPanelAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsPanelTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetPanelClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

bool TteTheme::IsButtonAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsButtonTransparent(TteKind, const QString&) { return false; }

bool TteTheme::IsCheckBoxAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsCheckBoxTransparent(TteKind, const QString&) { return true; }
TSize TteTheme::GetCheckBoxSize(TteKind, const QString&) { return {13, 13}; }

bool TteTheme::IsSplitterAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsSplitterTransparent(TteKind, const QString&) { return false; }

bool TteTheme::IsScrollBarAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsScrollBarTransparent(TteKind, const QString&) { return false; }

bool TteTheme::IsProgressBarAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsProgressBarTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetProgressBarClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

bool TteTheme::IsTrackBarAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsTrackBarTransparent(TteKind, const QString&) { return false; }
TPoint TteTheme::GetTrackBarThumbSize(TteKind, TCanvas&, const TtePartInfo&, const QString&) { return {0, 0}; }

bool TteTheme::IsHeaderAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsHeaderTransparent(TteKind, const QString&) { return false; }

bool TteTheme::IsStatusBarAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsStatusBarTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetStatusBarClientRect(TteKind, const TRect& rect, const QString&) { return InsetRect(rect, 5, 2); }

bool TteTheme::IsEditAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsEditTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetEditClientRect(TteKind, TCanvas&, const TteElementInfo& info, const QString&)
{
    return InsetRect(info.Rect, 3, 3);
}

bool TteTheme::IsGroupBoxAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsGroupBoxTransparent(TteKind, const QString&) { return true; }
TRect TteTheme::GetGroupBoxClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

bool TteTheme::IsMemoAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsMemoTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetMemoClientRect(TteKind, TCanvas&, const TRect& rect, const QString&) { return rect; }
bool TteTheme::IsBoxAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsBoxTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&) { return rect; }

bool TteTheme::IsMenuAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsMenuTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetMenuClientRect(TteKind, const TRect& rect, const QString&) { return InsetRect(rect, 3, 5); }

bool TteTheme::IsControlBarAvailable(TteKind, const QString&) { return false; }
TRect TteTheme::GetControlBarClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

bool TteTheme::IsToolBarAvailable(TteKind, const QString&) { return false; }
TRect TteTheme::GetToolBarClientRect(TteKind, const TRect& rect, const QString&)
{
    TRect r = InsetRect(rect, 2, 2);
    r.Left += 9;
    return r;
}

bool TteTheme::IsScrollBoxAvailable(TteKind, const QString&) { return false; }
TRect TteTheme::GetScrollBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InsetRect(rect, 3, 3);
}
bool TteTheme::IsRollPanelAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsRollPanelTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetRollPanelClientRect(TteKind, TCanvas&, const TRect& rect, const QString&) { return rect; }

bool TteTheme::IsTabAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsTabTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetTabClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

bool TteTheme::IsListBoxAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsListBoxTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetListBoxClientRect(TteKind, const TRect& rect, const QString&) { return InsetRect(rect, 4, 5); }
bool TteTheme::IsTreeAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsTreeTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetTreeClientRect(TteKind, const TRect& rect, const QString&) { return InsetRect(rect, 2, 2); }
bool TteTheme::IsGridAvailable(TteKind, const QString&) { return false; }
bool TteTheme::IsGridTransparent(TteKind, const QString&) { return false; }
TRect TteTheme::GetGridClientRect(TteKind, const TRect& rect, const QString&) { return InsetRect(rect, 2, 2); }
