// The window frame of the skin-file theme: geometry, hit test, region, caption and caption buttons.
#include "framework/Canvas.h"
#include "theme/ThemeFonts.h"
#include "themes/SkinFileTheme.h"
#include "themes/SkinSource.h"
#include "themes/SkinObjectClasses.h"

namespace {

// The skin object's action of a caption button (system buttons of both classes).
TSeAction ButtonAction(const TSeSkinObject& object)
{
    if (const auto* button = dynamic_cast<const TSeSystemButton*>(&object))
        return button->Action();
    if (const auto* button = dynamic_cast<const TSeSysButtonSkinObject*>(&object))
        return button->Action();
    return TSeAction::sbaNone;
}

bool IsSystemButton(const TSeSkinObject& object)
{
    return dynamic_cast<const TSeSystemButton*>(&object) != nullptr ||
           dynamic_cast<const TSeSysButtonSkinObject*>(&object) != nullptr;
}

TSeSkinObject* FindButton(TSeSkinObject& object, TSeAction action)
{
    if (IsSystemButton(object) && ButtonAction(object) == action)
        return &object;
    for (int i = 0; i < object.Count(); ++i)
        if (TSeSkinObject* found = FindButton(*object.Child(i), action))
            return found;
    return nullptr;
}

bool Shows(const TteWindowInfo& info, TteFormButton button) { return info.Buttons.Contains(button); }

TSkinEntry FrameEntryOf(TteFormKind kind)
{
    return kind == TteFormKind::kfkToolWindow ? TSkinEntry::ToolWindow : TSkinEntry::Form;
}

bool IsFramedKind(TteFormKind kind)
{
    return kind == TteFormKind::kfkStandard || kind == TteFormKind::kfkDialog || kind == TteFormKind::kfkFrame ||
           kind == TteFormKind::kfkNone || kind == TteFormKind::kfkToolWindow;
}

}  // namespace

TSeAction TTeSkinFile::ActionOf(TteFormButton button)
{
    switch (button) {
    case TteFormButton::kfbSysMenu: return TSeAction::sbaSysMenu;
    case TteFormButton::kfbClose: return TSeAction::sbaClose;
    case TteFormButton::kfbHelp: return TSeAction::sbaHelp;
    case TteFormButton::kfbMinimize: return TSeAction::sbaMinimize;
    case TteFormButton::kfbMinRestore:
    case TteFormButton::kfbMaxRestore: return TSeAction::sbaRestore;
    case TteFormButton::kfbMaximize: return TSeAction::sbaMaximize;
    case TteFormButton::kfbRollUp: return TSeAction::sbaRollUp;
    case TteFormButton::kfbRollDown: return TSeAction::sbaRollDown;
    case TteFormButton::kfbTray: return TSeAction::sbaTray;
    }
    return TSeAction::sbaNone;
}

TSeSkinObject* TTeSkinFile::SystemButton(TSeSkinObject& frame, TSeAction action) { return FindButton(frame, action); }

void TTeSkinFile::HideSystemButtons(TSeSkinObject& frame)
{
    for (TSeAction action : {TSeAction::sbaSysMenu, TSeAction::sbaClose, TSeAction::sbaHelp, TSeAction::sbaMinimize,
                             TSeAction::sbaMaximize, TSeAction::sbaRestore, TSeAction::sbaRollUp,
                             TSeAction::sbaRollDown, TSeAction::sbaTray})
        if (TSeSkinObject* button = FindButton(frame, action))
            button->SetVisible(false);
}

TSeSkinObject* TTeSkinFile::FrameObject(TteFormKind kind, const QString& objectName, TSkinEntry formRole) const
{
    if (Names(objectName))
        return working_->FindObject(objectName);
    if (!IsFramedKind(kind))
        return nullptr;
    const int role = static_cast<int>(formRole) - static_cast<int>(TSkinEntry::Form);
    return Entry(static_cast<TSkinEntry>(static_cast<int>(FrameEntryOf(kind)) + role));
}

void TTeSkinFile::PrepareFrame(TSeSkinObject& frame, const TteWindowInfo& info, bool setActive)
{
    frame.SetState(SkinState::Normal);
    if (Shows(info, TteFormButton::kfbMaxRestore))
        frame.SetState(SkinState::Maximized);
    if (Shows(info, TteFormButton::kfbMinRestore))
        frame.SetState(SkinState::Minimized);
    if (Shows(info, TteFormButton::kfbRollDown))
        frame.SetState(SkinState::RolledUp);
    frame.SetButtons(static_cast<std::uint16_t>(info.Buttons.Bits()));
    if (setActive)
        frame.SetActive(info.Active);
    frame.SetBounds(info.Rect);
    frame.Realign();
}

bool TTeSkinFile::IsFormAvailable(TteFormKind kind, const QString& objectName)
{
    if (Names(objectName))
        return true;
    if (kind == TteFormKind::kfkStandard || kind == TteFormKind::kfkDialog)
        return Entry(TSkinEntry::Form) != nullptr;
    if (kind == TteFormKind::kfkToolWindow)
        return Entry(TSkinEntry::ToolWindow) != nullptr;
    return false;
}

std::optional<QRegion> TTeSkinFile::GetFormRegion(TteFormKind kind, const TRect& rect, const QString& objectName)
{
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::Form);
    if (frame == nullptr)
        return std::nullopt;
    frame->SetBounds(rect);
    frame->Realign();
    return frame->GetRegion();
}

TteFormHit TTeSkinFile::FormHitTest(TteFormKind kind, const TteWindowInfo& info, int x, int y,
                                    const QString& objectName)
{
    const auto abstract = [&] {
        const TteFormHit hit = TteTheme::FormHitTest(kind, info, x, y, objectName);
        const bool edge = hit >= TteFormHit::kfhLeft && hit <= TteFormHit::kfhBottom;
        return info.NoClientArea && edge ? TteFormHit::kfhNothing : hit;
    };
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::FormHit);
    if (frame == nullptr)
        return abstract();
    PrepareFrame(*frame, info, true);
    TSeSkinObject* hit = frame->HitTest({x, y});
    if (hit == nullptr)
        return abstract();
    if (IsSystemButton(*hit)) {
        switch (ButtonAction(*hit)) {
        case TSeAction::sbaClose: return TteFormHit::kfhClose;
        case TSeAction::sbaMinimize: return TteFormHit::kfhMinimize;
        case TSeAction::sbaMaximize:
        case TSeAction::sbaRestore: return TteFormHit::kfhMaximize;
        case TSeAction::sbaRollUp:
        case TSeAction::sbaRollDown: return TteFormHit::kfhRoll;
        case TSeAction::sbaTray: return TteFormHit::kfhTray;
        default: break;
        }
    }
    switch (hit->Kind()) {
    case TSeKind::skCaption:
    case TSeKind::skTitle: return TteFormHit::kfhCaption;
    case TSeKind::skTop: return TteFormHit::kfhTop;
    default: break;
    }
    if (info.NoClientArea) {
        switch (hit->Kind()) {
        case TSeKind::skLeft: return TteFormHit::kfhLeft;
        case TSeKind::skRight: return TteFormHit::kfhRight;
        case TSeKind::skBottom: return TteFormHit::kfhBottom;
        case TSeKind::skBottomLeft: return TteFormHit::kfhBottomLeft;
        case TSeKind::skBottomRight: return TteFormHit::kfhBottomRight;
        default: break;
        }
    }
    return abstract();
}

TRect TTeSkinFile::GetFormClientRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName)
{
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::FormHit);
    if (frame != nullptr) {
        PrepareFrame(*frame, info, false);
        if (TSeSkinObject* client = frame->FindKind(TSeKind::skClient))
            return client->BoundsRect();
    }
    return TteTheme::GetFormClientRect(kind, info, objectName);
}

TRect TTeSkinFile::GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName)
{
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::Form);
    TSeSkinObject* title = frame != nullptr ? frame->FindKind(TSeKind::skTitle) : nullptr;
    if (title == nullptr)
        return TteTheme::GetFormCaptionRect(kind, info, objectName);
    PrepareFrame(*frame, info, true);
    title->SetText(info.Caption);
    if (TSeSkinObject* parent = title->Parent())
        parent->Realign();
    const TRect rect = title->BoundsRect();
    HideSystemButtons(*frame);
    return rect;
}

TRect TTeSkinFile::GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                                     const QString& objectName)
{
    if (!Shows(info, button))
        return {};
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::FormHit);
    if (frame == nullptr)
        return TteTheme::GetFormButtonRect(kind, info, button, objectName);
    PrepareFrame(*frame, info, true);
    TSeSkinObject* found = SystemButton(*frame, ActionOf(button));
    if (found == nullptr)
        return {};
    if (button == TteFormButton::kfbSysMenu)
        if (TSeSkinObject* parent = found->Parent())
            parent->Realign();
    return found->BoundsRect();
}

void TTeSkinFile::DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName)
{
    const bool named = Names(objectName);
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::Form);
    if (frame == nullptr)
        return;
    frame->SetActive(info.Active);
    frame->SetBounds(info.Rect);
    frame->Realign();
    if (!named)
        HideSystemButtons(*frame);
    TSeSkinObject* client = named ? frame->FindKind(TSeKind::skClient) : nullptr;
    if (client != nullptr)
        client->SetVisible(false);
    // The caption's text is drawn by DrawFormCaptionText; the text the title keeps from the last
    // caption query would draw it twice.
    TSeSkinObject* title = frame->FindKind(TSeKind::skTitle);
    const QString caption = title != nullptr ? title->Text() : QString();
    if (title != nullptr)
        title->SetText({});
    frame->Paint(canvas, info.PaintRect);
    if (title != nullptr)
        title->SetText(caption);
    if (client != nullptr)
        client->SetVisible(true);
}

void TTeSkinFile::DrawFormBackground(TteFormKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    TSeSkinObject* client = nullptr;
    if (Names(objectName))
        client = working_->FindObject(objectName)->FindKind(TSeKind::skClient);
    else if (kind == TteFormKind::kfkStandard || kind == TteFormKind::kfkDialog)
        client = Entry(TSkinEntry::FormClient);
    else if (kind == TteFormKind::kfkToolWindow)
        client = Entry(TSkinEntry::ToolWindowClient);
    PaintObject(client, canvas, rect, SkinState::Normal);
}

void TTeSkinFile::DrawFormCaptionText(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const TRect& rect,
                                      const QString& objectName)
{
    const bool named = Names(objectName);
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::Form);
    TSeSkinObject* title = frame != nullptr ? frame->FindKind(TSeKind::skTitle) : nullptr;
    if (title == nullptr)
        return;
    if (named)
        title->SetState(info.Active ? SkinState::Focused : SkinState::Normal);
    else
        title->Font().Assign(
            Fonts()->GetFont(info.Active ? TteThemeFont::ktfCaptionTextNormal : TteThemeFont::ktfCaptionTextInactive));
    if (title->TextMarginRightStretch()) {
        int limit = rect.Right;
        for (int code = 0; code <= static_cast<int>(TteFormButton::kfbTray); ++code) {
            const TRect button = GetFormButtonRect(kind, info, static_cast<TteFormButton>(code), objectName);
            if (!button.IsEmpty() && button.Left > title->Left() && button.Left < limit)
                limit = button.Left;
        }
        title->SetTextMarginRight(rect.Right - limit);
    }
    title->SetText(info.Caption);
    title->SetBounds(rect);
    const bool shift = Shows(info, TteFormButton::kfbSysMenu) && title->TextShiftSysIcon();
    if (shift)
        title->SetTextMarginLeft(title->TextMarginLeft() + 20);
    title->Paint(canvas, {});
    if (shift)
        title->SetTextMarginLeft(title->TextMarginLeft() - 20);
}

void TTeSkinFile::DrawFormButton(TteFormKind kind, TCanvas& canvas, const TteFormButtonInfo& info,
                                 const QString& objectName)
{
    if (info.Rect.IsEmpty())
        return;
    TSeSkinObject* frame = FrameObject(kind, objectName, TSkinEntry::FormButtons);
    TSeSkinObject* button = frame != nullptr ? SystemButton(*frame, ActionOf(info.Button)) : nullptr;
    if (button == nullptr)
        return;
    const TSeButtonState state = info.State == TteFormButtonState::kfbsHot       ? TSeButtonState::Hot
                                 : info.State == TteFormButtonState::kfbsPressed ? TSeButtonState::Pressed
                                                                                 : TSeButtonState::Normal;
    if (auto* system = dynamic_cast<TSeSystemButton*>(button))
        system->SetButtonState(state);
    else if (auto* bitmapButton = dynamic_cast<TSeSysButtonSkinObject*>(button))
        bitmapButton->SetButtonState(state);
    button->SetActive(info.State != TteFormButtonState::kfbsInactive);
    button->SetVisible(true);
    button->SetBounds(info.Rect);
    button->Paint(canvas, {});
    if (info.Button == TteFormButton::kfbSysMenu)
        TteTheme::DrawFormButton(kind, canvas, info, objectName);
}

void TTeSkinFile::DrawFormGrip(TteFormKind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::StatusBar, {"Gripper"}, canvas, info.Rect, SkinState::Normal);
}
