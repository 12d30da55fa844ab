#include "theme/SavedFonts.h"

#include <QHash>
#include <memory>

#include "framework/Font.h"

namespace {

// Keyed by the control's font object; the copies are owned here.
QHash<const TFont*, std::shared_ptr<TFont>>& SavedFonts()
{
    static QHash<const TFont*, std::shared_ptr<TFont>> fonts;
    return fonts;
}

}  // namespace

void SaveControlFont(const TFont* font)
{
    if (font == nullptr)
        return;
    std::shared_ptr<TFont>& copy = SavedFonts()[font];
    if (!copy)
        copy = std::make_shared<TFont>();
    copy->Assign(font);
}

void RestoreControlFont(TFont* font)
{
    const auto it = SavedFonts().constFind(font);
    if (font != nullptr && it != SavedFonts().constEnd())
        font->Assign(it->get());
}

void ForgetControlFont(const TFont* font)
{
    SavedFonts().remove(font);
}

void ClearSavedFonts()
{
    SavedFonts().clear();
}
