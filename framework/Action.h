#pragma once
// Actions: one command (its caption, state, picture, shortcut and handler) that several controls
// show and run. A control links to an action through a TChangeLink and follows every change of
// it; a click on the control executes the action. Actions are kept in an action list, which owns
// them and gives them its image list.
#include <QString>
#include <cstdint>

#include "framework/ChangeLink.h"
#include "framework/Component.h"
#include "framework/ImageList.h"

class TActionList;

class TAction : public TComponent {
public:
    // An action made with an action list as its owner belongs to that list.
    explicit TAction(TComponent* owner);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // Virtual key plus 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt; 0 for none.
    std::uint16_t ShortCut() const { return shortCut_; }
    void SetShortCut(std::uint16_t shortCut);
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& hint);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context);

    TActionList* ActionList() const;
    // The pictures ImageIndex picks from: the action list's.
    TCustomImageList* Images() const;

    // Runs OnExecute when the action is enabled and has one; answers whether it ran.
    bool Execute();
    // Runs OnUpdate, which sets the state the controls then show; answers whether it ran.
    bool Update();

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

    TChangeLinks& ChangeLinks() { return links_; }

private:
    friend class TActionList;
    void Change();

    QString caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    int imageIndex_ = -1;
    std::uint16_t shortCut_ = 0;
    QString hint_;
    int helpContext_ = 0;
    TChangeLinks links_;
};

class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* owner);

    int ActionCount() const;
    TAction* Actions(int index) const;

    TCustomImageList* Images() const { return images_.Get(); }
    // The actions' controls show the new pictures.
    void SetImages(TCustomImageList* images);

private:
    void ImagesChanged();

    TChangeLink<TCustomImageList> images_;
};

// A control's click runs onClick rather than the action: the control has no action, or onClick
// is a handler other than the action's OnExecute (handlers are told apart by the name they were
// bound by, so an unnamed handler counts as the control's own).
bool RunsOwnClick(const TNotifyEvent& onClick, const TAction* action);

void RegisterActionProperties();
