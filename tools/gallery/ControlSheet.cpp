#include "tools/gallery/ControlSheet.h"

#include <QCoreApplication>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "controls/core/TeControl.h"
#include "controls/widgets/TeLabel.h"
#include "framework/Form.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "theme/ThemedElements.h"
#include "tools/gallery/ControlSections.h"

namespace {

constexpr int kMargin = 8;
constexpr int kTitleHeight = 20;

// The ground of the sheet and of every band: the theme's window background where the theme draws
// windows (over the face colour, as the background may be translucent), so transparent controls
// show what a real window would.
class TSheetGround : public TTeControl {
public:
    explicit TSheetGround(TComponent* owner) : TTeControl(owner) {}

protected:
    void PaintControl() override
    {
        TTeControl::PaintControl();
        if (IsFormThemed(TteFormKind::kfkStandard, ThemeObject(), ThemeLink()))
            Theme()->DrawFormBackground(TteFormKind::kfkStandard, Canvas(), GetInnerRect(), ThemeObject());
    }
};

void WaitExposed(QWidget* window)
{
    for (int i = 0; i < 500 && (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

QImage RenderControlSheet()
{
    int width = 0;
    int height = kMargin;
    for (const TControlSection& section : ControlSections()) {
        width = std::max(width, section.Size.width());
        height += kTitleHeight + section.Size.height() + kMargin;
    }
    width += 2 * kMargin;

    const TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetClientSize(width, height);
    auto* sheet = new TSheetGround(form.get());
    sheet->SetParent(form.get());
    sheet->SetBounds(0, 0, width, height);
    int y = kMargin;
    for (const TControlSection& section : ControlSections()) {
        auto* title = new TTeLabel(form.get());
        title->SetParent(sheet);
        title->SetBounds(kMargin, y + 2, width - 2 * kMargin, kTitleHeight - 4);
        title->FontOptions()->SetBold(true);
        title->SetCaption(QString::fromUtf8(section.Title));
        y += kTitleHeight;
        auto* band = new TSheetGround(form.get());
        band->SetParent(sheet);
        band->SetBounds(kMargin, y, section.Size.width(), section.Size.height());
        section.Build(*band);
        y += section.Size.height() + kMargin;
    }
    form->Show();
    WaitExposed(form->Handle());
    // The real focus rests on the sheet: the focused and default samples show their own state.
    sheet->SetTabStop(true);
    sheet->SetFocus();
    QCoreApplication::processEvents();
    return form->ClientWidget()->grab().toImage();
}

int WriteControlSheet(std::unique_ptr<TteTheme> theme, const QString& out)
{
    if (theme)
        SetCurrentTheme(theme.release());
    const QImage sheet = RenderControlSheet();
    ClearCurrentTheme();
    if (!sheet.save(out, "PNG")) {
        std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(out));
        return 1;
    }
    return 0;
}
