#pragma once
// The framework's combo box on a QComboBox: a list of strings with a current item, chosen from a
// drop-down list (the popup's list view) with the mouse, the keyboard (arrows, Home/End, typing the
// first letters) or the wheel, optionally with an edit field; the simple style keeps its list shown
// below the edit field instead of dropping it down. Every item, in the list and in the
// face, is drawn through DrawItem; owner-drawn styles hand it to OnDrawItem. Subclasses may draw
// the face themselves (PaintFace) and take over the drop-down list when it first opens.
#include <QStringList>
#include <memory>

#include "framework/CustomControl.h"
#include "framework/Set.h"
#include "framework/StringList.h"

class QAbstractItemView;
class QComboBox;
class QListView;
class QPaintEvent;

enum class TComboBoxStyle : std::uint8_t { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
const QStringList& ComboBoxStyleNames();

enum class TOwnerDrawStateFlag : std::uint8_t { odSelected, odDisabled, odFocused, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TDrawItemEvent = TMethod<void(TObject* sender, int index, const TRect& rect, TOwnerDrawState state)>;
// csOwnerDrawVariable: height comes in as ItemHeight and goes out as the item's own.
using TMeasureItemEvent = TMethod<void(TObject* sender, int index, int& height)>;

class TComboBox : public TCustomControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    // Changes reach the list at once (and are sorted when Sorted).
    TStringList* Items() { return &items_; }
    const TStringList* Items() const { return &items_; }
    void SetItems(const TStringList* items) { items_.Assign(items); }
    // -1: no item. Setting it does not fire OnChange.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The text of the current item or of the edit field.
    QString Text() const;
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    // Rows of the drop-down list before it scrolls.
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool value);

    // The QComboBox inside the control's widget (for csSimple only the edit field), the list's
    // window (the drop-down list's, created on first use, or the simple style's list below the
    // edit) and the item view in it.
    QComboBox* Box() const;
    QWidget* ListWindow() const;
    QAbstractItemView* ListView() const;

    // The user chose another item or edited the text.
    TNotifyEvent OnChange;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;

protected:
    // One item onto Canvas(): OnDrawItem for the owner-drawn styles when set, else the framework's
    // look (selection colours, the text 2 pixels in, centred).
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // The height of one item: ItemHeight, changed by OnMeasureItem for csOwnerDrawVariable.
    virtual void MeasureItem(int index, int& height);
    // The face instead of the QComboBox's own painting; false leaves it to the QComboBox.
    virtual bool PaintFace(QPaintEvent* event);
    // The drop-down list is about to open / has closed.
    virtual void DropDown();
    virtual void CloseUp();
    // The mouse moved over the face (box coordinates).
    virtual void FaceMouseMove(int x, int y);
    // Builds the QComboBox's settings anew from the properties (style, heights, items), as the
    // platform re-creates a window.
    void RecreateWindow();
    // RecreateWindow has finished (the simple style's list exists by then).
    virtual void WindowRecreated() {}
    virtual void Change();
    void FontChanged() override;
    void EnabledChanged() override;

private:
    class TBox;
    class TItemDelegate;
    friend class TBox;
    friend class TItemDelegate;

    void ItemsChanged();
    void FillBox();
    void UpdateSimpleList();
    // The box, and csSimple's list below it, over the control.
    void PlaceParts();
    // Height of the edit field of csSimple.
    int SimpleEditHeight() const { return itemHeight_ + 5; }

    // The box goes first: it draws through the delegate to the end.
    std::unique_ptr<TItemDelegate> delegate_;
    std::unique_ptr<TBox> box_;
    // csSimple's list, a child of the control's widget; it shows the box's model.
    std::unique_ptr<QListView> simpleList_;
    TStringList items_;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int itemHeight_ = 16;
    int dropDownCount_ = 8;
    bool sorted_ = false;
    bool droppedDown_ = false;
    // Changes the program makes (not the user): no OnChange.
    bool quiet_ = false;
    bool sorting_ = false;
};

void RegisterComboBoxProperties();
