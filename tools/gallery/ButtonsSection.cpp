// The band of push buttons, check boxes, labels and group boxes in each of their states. Hot,
// pressed and focused states come from the controls' own input handlers, not from a real pointer
// or focus, so that several can show at once.
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeGroupBox.h"
#include "controls/widgets/TeLabel.h"
#include "tools/gallery/ControlSections.h"

namespace {

constexpr int kRowHeight = 34;

TTeButton* AddButton(TWinControl& host, int x, int y, const char* caption)
{
    auto* button = new TTeButton(&host);
    button->SetParent(&host);
    button->SetBounds(x, y, 98, 25);
    button->SetCaption(QString::fromUtf8(caption));
    return button;
}

TTeCheckBox* AddCheckBox(TWinControl& host, int x, int y, const char* caption)
{
    auto* box = new TTeCheckBox(&host);
    box->SetParent(&host);
    box->SetBounds(x, y, 98, 20);
    box->SetCaption(QString::fromUtf8(caption));
    return box;
}

TTeLabel* AddLabel(TWinControl& host, int x, int y, const char* caption)
{
    auto* label = new TTeLabel(&host);
    label->SetParent(&host);
    label->SetBounds(x, y, 98, 17);
    label->SetCaption(QString::fromUtf8(caption));
    return label;
}

void Buttons(TWinControl& host, int y)
{
    AddButton(host, 8, y, "&Normal");
    AddButton(host, 114, y, "Hot")->MouseEnter();
    AddButton(host, 220, y, "Pressed")->MouseDown(TMouseButton::mbLeft, {}, 10, 10);
    AddButton(host, 326, y, "Focused")->FocusEnter();
    AddButton(host, 432, y, "Disabled")->SetEnabled(false);
    AddButton(host, 538, y, "Default")->SetDefault(true);
    auto* ok = AddButton(host, 644, y, "");
    ok->SetKind(TBitBtnKind::bkOK);
    ok->SetDefault(false);
    auto* cancel = AddButton(host, 750, y, "");
    cancel->SetKind(TBitBtnKind::bkCancel);
    cancel->SetEnabled(false);
}

void CheckBoxes(TWinControl& host, int y)
{
    AddCheckBox(host, 8, y, "Unchecked");
    AddCheckBox(host, 114, y, "Checked")->SetChecked(true);
    auto* grayed = AddCheckBox(host, 220, y, "Grayed");
    grayed->SetAllowGrayed(true);
    grayed->SetState(TTeCheckBoxState::kcbsMixed);
    auto* disabled = AddCheckBox(host, 326, y, "Disabled");
    disabled->SetChecked(true);
    disabled->SetEnabled(false);
    AddCheckBox(host, 432, y, "Hot")->MouseEnter();
    AddCheckBox(host, 538, y, "&Focused")->FocusEnter();
    auto* right = AddCheckBox(host, 644, y, "Right");
    right->SetAlignment(TTeLeftRight::kalRightJustify);
    right->SetChecked(true);
}

void Labels(TWinControl& host, int y)
{
    AddLabel(host, 8, y, "Plain &label");
    AddLabel(host, 114, y, "Disabled")->SetEnabled(false);
    auto* link = AddLabel(host, 220, y, "www.example.org");
    link->FontOptions()->SetUnderline(true);
    link->FontOptions()->SetFontColor(clBlue);
    link->SetCursor(TCursor::crHandPoint);
    auto* hot = AddLabel(host, 350, y, "Hot tracking");
    hot->SetHotTrack(true);
    hot->MouseEnter();
    auto* glyph = AddLabel(host, 456, y, "With glyph");
    glyph->SetShowGlyph(true);
    glyph->SetGlyphThemeObject(QStringLiteral("default"));
}

TTeGroupBox* AddGroupBox(TWinControl& host, int x, int y, const char* caption)
{
    auto* group = new TTeGroupBox(&host);
    group->SetParent(&host);
    group->SetBounds(x, y, 150, 70);
    group->SetCaption(QString::fromUtf8(caption));
    auto* inside = new TTeCheckBox(&host);
    inside->SetParent(group);
    inside->SetBounds(14, 26, 120, 20);
    inside->SetCaption(QStringLiteral("Inside"));
    inside->SetChecked(true);
    return group;
}

void GroupBoxes(TWinControl& host, int y)
{
    AddGroupBox(host, 8, y, "&Group");
    AddGroupBox(host, 170, y, "Check box on")->SetUseCheckBox(true);
    auto* off = AddGroupBox(host, 332, y, "Check box off");
    off->SetUseCheckBox(true);
    off->SetChecked(false);
    AddGroupBox(host, 494, y, "Disabled")->SetEnabled(false);
    AddGroupBox(host, 656, y, "");
}

void BuildButtons(TWinControl& host)
{
    Buttons(host, 8);
    CheckBoxes(host, 8 + kRowHeight);
    Labels(host, 8 + 2 * kRowHeight);
    GroupBoxes(host, 8 + 3 * kRowHeight);
}

}  // namespace

extern const TControlSection kButtonsSection = {"Buttons, check boxes, labels and group boxes", QSize(856, 190),
                                                &BuildButtons};
