#pragma once
// The themed combo box: the framework's combo box whose face, drop-down button and items the theme
// draws (the face in the edit style, the button as the edit's drop-down button, the items in the
// list-item style with the list fonts), and whose drop-down list gets a themed frame and a themed
// scroll bar when it first opens (the simple style's list, always shown, gets them at once). Without a theme it draws itself in the classic 3-D look. A theme
// change builds the box anew, so that the list follows the new theme.
#include <QPointer>
#include <QString>
#include <memory>

#include "controls/core/ControlTheme.h"
#include "controls/widgets/ListScrollBar.h"
#include "framework/Alignment.h"
#include "framework/ComboBox.h"

class QAbstractItemView;
class TteCustomThemeLink;
class TteTheme;

class TTeSComboBox : public TComboBox {
public:
    explicit TTeSComboBox(TComponent* owner);
    ~TTeSComboBox() override;

    TteCustomThemeLink* ThemeLink() const { return theme_.Link(); }
    void SetThemeLink(TteCustomThemeLink* link);
    const QString& ThemeObject() const { return theme_.Object(); }
    void SetThemeObject(const QString& name);
    TteTheme* Theme() const { return theme_.Theme(); }
    // Stored; no drawing uses it.
    TAlignment TextAlign() const { return textAlign_; }
    void SetTextAlign(TAlignment align);

    bool IsFaceHot() const { return faceHot_; }
    bool IsButtonHot() const { return buttonHot_; }
    // The client rectangle shrunk by 2, 15 pixels wide at its right.
    TRect ButtonRect() const;
    // The drop-down list's themed bar while the list is themed, else nullptr.
    TListScrollBar* ListScrollBar() const { return listBar_; }

    void Dispatch(TMessage& message) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    bool PaintFace(QPaintEvent* event) override;
    // The edit-like frame over rect.
    virtual void PaintFace(const TRect& rect);
    // The drop-down button over rect.
    virtual void PaintButton(const TRect& rect);
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void DropDown() override;
    void CloseUp() override;
    void FaceMouseMove(int x, int y) override;
    void WindowRecreated() override;

private:
    class TListFrame;

    void HookList();
    void UnhookList();
    void PaintListFrame(QWidget* list);

    TControlTheme theme_{*this};
    TAlignment textAlign_ = TAlignment::taLeftJustify;
    bool faceHot_ = false;
    bool buttonHot_ = false;
    std::unique_ptr<TListFrame> listFrame_;
    // The list window and view taken over, to give back even after the style changed them.
    QPointer<QWidget> hookedWindow_;
    QPointer<QAbstractItemView> hookedView_;
    QPointer<TListScrollBar> listBar_;
};

void RegisterThemedComboBoxProperties();
