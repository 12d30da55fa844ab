#pragma once
// The framework's list box: a sunken white box listing its items one per line; a click selects one.
#include "framework/CustomControl.h"
#include "framework/StringList.h"

class TListBox : public TCustomControl {
public:
    explicit TListBox(TComponent* owner);

    TStringList* Items() { return &items_; }
    const TStringList* Items() const { return &items_; }
    // -1: none selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int ItemHeight() const;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;

private:
    TStringList items_;
    int itemIndex_ = -1;
};

void RegisterListBoxComponent();
