#include "controls/window/TeMessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "controls/frame/TeForm.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeLabel.h"
#include "theme/CustomThemeLink.h"

namespace {

constexpr int kMargin = 16;
// Longer lines wrap: a box as wide as a long path would run off the screen.
constexpr int kMaxTextWidth = 380;
constexpr int kMinClientWidth = 220;
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 14;

QRect PlaceToCentreOn()
{
    if (const QWidget* active = QApplication::activeWindow())
        return active->frameGeometry();
    if (const TForm* main = Application->MainForm(); main != nullptr && main->Visible())
        return QRect(main->Left(), main->Top(), main->Width(), main->Height());
    return QGuiApplication::primaryScreen()->availableGeometry();
}

}  // namespace

TForm* CreateMessageBox(TComponent* owner, const QString& title, const QString& text, TteCustomThemeLink* link)
{
    auto* box = new TForm(owner);
    box->SetCaption(title);
    auto* frame = new TTeForm(box);
    frame->SetBorderIcons({TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu});
    frame->Dragging().SetSizeable(false);
    frame->SetThemeLink(link);
    frame->Loaded();

    // The label measures itself in its theme's font: link first, then the width it may wrap in.
    auto* message = new TTeLabel(box);
    message->SetThemeLink(link);
    message->SetWordWrap(true);
    message->SetBounds(kMargin, kMargin, kMaxTextWidth, 0);
    message->SetCaption(text);
    message->SetParent(box);

    const int clientWidth = std::max(kMinClientWidth, message->Width() + 2 * kMargin);
    auto* ok = new TTeButton(box);
    ok->SetThemeLink(link);
    ok->SetCaption(QStringLiteral("OK"));
    ok->SetDefault(true);
    ok->SetCancel(true);
    ok->SetModalResult(mrOk);
    ok->SetBounds((clientWidth - kButtonWidth) / 2, message->Top() + message->Height() + kButtonGap, kButtonWidth,
                  kButtonHeight);
    ok->SetParent(box);
    ok->SetFocus();
    box->SetClientSize(clientWidth, ok->Top() + kButtonHeight + kButtonGap);
    return box;
}

TModalResult ShowMessageBox(const QString& title, const QString& text, TteCustomThemeLink* link)
{
    TForm* box = CreateMessageBox(nullptr, title, text, link);
    const QRect area = PlaceToCentreOn();
    box->SetBounds(area.left() + (area.width() - box->Width()) / 2, area.top() + (area.height() - box->Height()) / 2,
                   box->Width(), box->Height());
    const TModalResult result = box->ShowModal();
    box->Free();
    return result;
}

TTeErrorDisplay::TTeErrorDisplay(TteCustomThemeLink* link) : link_(link)
{
    Application->SetErrorDisplay(this);
}

TTeErrorDisplay::~TTeErrorDisplay()
{
    Application->SetErrorDisplay(nullptr);
}

void TTeErrorDisplay::ShowError(const QString& title, const QString& text)
{
    ShowMessageBox(title, text, link_.Get());
}
