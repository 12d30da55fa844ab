// The font options, and the stored descriptions of buttons, check boxes, labels and group boxes:
// written without their defaults, read back whole.
#include <gtest/gtest.h>

#include "controls/widgets/FontOptions.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeGroupBox.h"
#include "controls/widgets/TeLabel.h"
#include "controls/window/ControlComponents.h"
#include "framework/ComponentStream.h"
#include "framework/Font.h"
#include "tests/controls/ControlFixtures.h"

TEST(FontOptions, AddStylesShiftTheSizeAndReplaceFaceAndColourOnlyWhenSet)
{
    TFont font;
    font.SetName(QStringLiteral("Tahoma"));
    font.SetSize(8);
    font.SetColor(clRed);
    font.SetStyle(TFontStyles{TFontStyle::fsItalic});

    TTeFontOptions none;
    TFont untouched;
    untouched.Assign(&font);
    none.ApplyTo(untouched);
    EXPECT_TRUE(untouched == font);

    int changes = 0;
    TTeFontOptions options([&] { ++changes; });
    options.SetBold(true);
    options.SetUnderline(true);
    options.SetSizeDelta(2);
    options.SetFontName(QStringLiteral("Verdana"));
    options.SetFontColor(clBlue);
    options.SetBold(true);
    EXPECT_EQ(changes, 5);
    options.ApplyTo(font);
    EXPECT_EQ(font.Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline}));
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(font.Color(), clBlue);

    TTeButton button(nullptr);
    button.SetFontOptions(&options);
    EXPECT_NE(button.FontOptions(), &options);
    EXPECT_TRUE(button.FontOptions()->Underline());
    EXPECT_EQ(button.FontOptions()->SizeDelta(), 2);
    EXPECT_EQ(button.FontOptions()->FontColor(), clBlue);
}

TEST(ButtonsStored, ChangedValuesTravelThroughTheTextFormAndDefaultsStayOut)
{
    RegisterControlComponents();
    TTeButton button(nullptr);
    button.SetName(QStringLiteral("TeButton1"));
    const QString plain = ComponentToString(button);
    for (const char* name : {"Caption", "Default", "Kind", "Spacing", "FontOptions", "ThemeObject", "Transparent"})
        EXPECT_FALSE(plain.contains(QString::fromLatin1(name))) << name;

    button.SetKind(TBitBtnKind::bkYes);
    button.SetCaption(QStringLiteral("Go"));
    button.SetCancel(true);
    button.FontOptions()->SetBold(true);
    button.SetThemeObject(QStringLiteral("Toolbar"));
    TTeButton read(nullptr);
    StringToComponent(ComponentToString(button), &read);
    EXPECT_EQ(read.Kind(), TBitBtnKind::bkYes);
    EXPECT_EQ(read.Caption(), QStringLiteral("Go"));
    EXPECT_EQ(read.ModalResult(), 6);
    EXPECT_TRUE(read.Default());
    EXPECT_TRUE(read.Cancel());
    EXPECT_TRUE(read.FontOptions()->Bold());
    EXPECT_EQ(read.ThemeObject(), QStringLiteral("Toolbar"));
    EXPECT_EQ(read.NumGlyphs(), 2);
}

TEST(ButtonsStored, CheckBoxLabelAndGroupBoxComeBackAsTheyWere)
{
    RegisterControlComponents();
    TShownForm shown;
    TTeGroupBox group(nullptr);
    group.SetName(QStringLiteral("TeGroupBox1"));
    group.SetParent(&shown.form);
    group.SetCaption(QStringLiteral("Output"));
    group.SetChecked(false);
    group.SetUseCheckBox(true);
    auto* box = new TTeCheckBox(&group);
    box->SetName(QStringLiteral("TeCheckBox1"));
    box->SetParent(&group);
    box->SetAllowGrayed(true);
    box->SetState(TTeCheckBoxState::kcbsMixed);
    auto* label = new TTeLabel(&group);
    label->SetName(QStringLiteral("TeLabel1"));
    label->SetParent(&group);
    label->SetCaption(QStringLiteral("www.example.org"));
    label->FontOptions()->SetUnderline(true);
    label->SetCursor(TCursor::crHandPoint);
    label->SetFocusControl(box);

    const QString text = ComponentToString(group);
    TTeGroupBox read(nullptr);
    read.SetParent(&shown.form);
    StringToComponent(text, &read);
    ASSERT_NE(read.CheckBox(), nullptr);
    EXPECT_FALSE(read.CheckBox()->Checked());
    EXPECT_EQ(read.CheckBox()->Caption(), QStringLiteral("Output"));
    auto* readBox = dynamic_cast<TTeCheckBox*>(read.FindComponent(QStringLiteral("TeCheckBox1")));
    auto* readLabel = dynamic_cast<TTeLabel*>(read.FindComponent(QStringLiteral("TeLabel1")));
    ASSERT_NE(readBox, nullptr);
    ASSERT_NE(readLabel, nullptr);
    EXPECT_EQ(readBox->State(), TTeCheckBoxState::kcbsMixed);
    EXPECT_TRUE(readBox->AllowGrayed());
    EXPECT_TRUE(readLabel->FontOptions()->Underline());
    EXPECT_EQ(readLabel->Cursor(), TCursor::crHandPoint);
    EXPECT_EQ(readLabel->FocusControl(), readBox);
}
