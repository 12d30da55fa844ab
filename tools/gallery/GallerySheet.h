#pragma once
// The gallery sheet: every element family of a theme in every state, labelled, on one bitmap.
#include <QString>

#include "framework/Types.h"
#include "graphics/Bitmap.h"
#include "theme/ThemeFonts.h"

class TCanvas;
class TteTheme;

// One state of an element family as the sheet shows it: the state, the theme font of its text
// and its label.
template <class StateType>
struct TStateSample {
    StateType State;
    TteThemeFont Font;
    const char* Name;
};

class TGallerySheet {
public:
    static constexpr int kWidth = 1040;

    // Draws the whole sheet for theme into sheet, sizing it.
    static void Render(TteTheme& theme, TteBitmap& sheet);

private:
    TGallerySheet(TteTheme& theme, TCanvas& canvas);

    // A heading across the sheet; marks the family when the theme does not draw it.
    void Heading(const QString& title, bool themed);
    // A small caption under (or beside) an element.
    void Label(const TRect& rect, const QString& text, unsigned format);
    void LabelBelow(const TRect& element, const QString& text);
    // Selects a font of the theme's table into the canvas.
    void UseFont(TteThemeFont font);
    // Moves the cursor to the next band of the sheet.
    void NextBand(int height);

    void Forms();
    void CaptionButtons();
    void Buttons();
    void CheckBoxes();
    void ScrollBars();
    void ProgressBars();
    void TrackBars();
    void Headers();
    void StatusBars();
    void Edits();
    void GroupBoxes();
    void Menus();
    void ToolBars();
    void Tabs();
    void ListsAndGrids();
    void Panels();
    void Texts();

    TteTheme& theme_;
    TCanvas& canvas_;
    // Top of the band being drawn.
    int y_ = 8;
    // A picture for glyph and image slots: a note on a key-transparent ground.
    TteBitmap glyph_;
};
