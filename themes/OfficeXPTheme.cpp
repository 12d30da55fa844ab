#include "themes/OfficeXPTheme.h"

#include "themes/BuiltInTables.h"

TTeOfficeXPTheme::TTeOfficeXPTheme() : TTeFlatTheme(kPopupGutterWidth) {}

const TteThemeClass& TTeOfficeXPTheme::ThemeClass() const { return ThemeClassOf<TTeOfficeXPTheme>(); }

QString TTeOfficeXPTheme::GetThemeKindName() { return QStringLiteral("OfficeXP"); }

void TTeOfficeXPTheme::InitColors()
{
    for (const TteBuiltInColor& entry : BuiltInColorTable())
        Colors()->SetColor(entry.Index, entry.OfficeXP);
    Colors()->ApplyHue(DeltaHue());
    Colors()->ApplyBrightness(DeltaBrightness());
}

void TTeOfficeXPTheme::InitFonts() { WriteFonts(&TteBuiltInFont::OfficeXP); }

bool TTeOfficeXPTheme::IsFormAvailable(TteFormKind, const QString&) { return false; }
