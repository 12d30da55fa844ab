#include "framework/ListBox.h"

#include <algorithm>

#include "framework/Brush.h"
#include "framework/ClassRegistry.h"
#include "framework/PropInfo.h"
#include "framework/TextLayout.h"
#include "framework/TextSize.h"

namespace {

constexpr int kBorder = 2;

}  // namespace

TListBox::TListBox(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({});
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    items_.OnChange = [this](TObject*) {
        if (itemIndex_ >= items_.Count())
            itemIndex_ = -1;
        Invalidate();
    };
}

int TListBox::ItemHeight() const
{
    return MeasureText(*Font(), QStringLiteral("0"), DT_SINGLELINE).cy;
}

void TListBox::SetItemIndex(int index)
{
    index = index >= 0 && index < items_.Count() ? index : -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    Invalidate();
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft && y >= kBorder)
        SetItemIndex((y - kBorder) / std::max(1, ItemHeight()));
    TCustomControl::MouseDown(button, shift, x, y);
}

void TListBox::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect r = ClientRect();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    // A sunken edge: shadow over dark shadow at the top left, face over highlight at the bottom right.
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1));
    canvas.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
    canvas.Brush()->SetColor(clBtnHighlight);
    canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
    canvas.Brush()->SetColor(cl3DDkShadow);
    canvas.FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 2));
    canvas.FillRect(Rect(r.Left + 1, r.Top + 1, r.Left + 2, r.Bottom - 1));
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(Rect(r.Left + 1, r.Bottom - 2, r.Right - 1, r.Bottom - 1));
    canvas.FillRect(Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom - 1));

    canvas.Font()->Assign(Font());
    const int height = ItemHeight();
    for (int i = 0; i < items_.Count(); ++i) {
        TRect row = Rect(r.Left + kBorder, r.Top + kBorder + i * height, r.Right - kBorder, r.Top + kBorder + (i + 1) * height);
        if (row.Top >= r.Bottom - kBorder)
            break;
        const bool selected = i == itemIndex_;
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(selected ? clHighlight : Color());
        canvas.FillRect(row);
        canvas.Font()->SetColor(selected ? clHighlightText : Font()->Color());
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        TRect text = Rect(row.Left + 2, row.Top, row.Right, row.Bottom);
        canvas.DrawText(items_.Strings(i), text, DT_SINGLELINE | DT_NOPREFIX);
    }
}

void RegisterListBoxComponent()
{
    RegisterClass<TListBox>(QStringLiteral("TListBox"));
    RegisterProperties<TListBox, TWinControl>()
        .Strings(
            "Items",
            [](const TListBox& box) {
                QStringList texts;
                for (int i = 0; i < box.Items()->Count(); ++i)
                    texts << box.Items()->Strings(i);
                return texts;
            },
            [](TListBox& box, const QStringList& texts) {
                box.Items()->Clear();
                for (const QString& text : texts)
                    box.Items()->Add(text);
            })
        .Boolean("TabStop", &TListBox::TabStop, &TListBox::SetTabStop, true);
}
