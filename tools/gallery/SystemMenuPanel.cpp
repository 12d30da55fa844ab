#include "tools/gallery/SystemMenuPanel.h"

#include <QPainter>
#include <QTimer>

#include "controls/frame/TeForm.h"
#include "controls/menus/TeItem.h"
#include "controls/menus/TeItemView.h"
#include "framework/Colors.h"
#include "framework/Form.h"

namespace {

constexpr int kPanelWidth = 330;
constexpr int kPanelHeight = 190;
constexpr int kClientWidth = 300;
constexpr int kClientHeight = 130;

}  // namespace

QImage GrabOpenSystemMenu()
{
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetBounds(400, 40, kClientWidth, kClientHeight);
    form->SetColor(clBtnFace);
    form->SetCaption(QStringLiteral("Trackwell"));
    auto* frame = new TTeForm(form.get());
    frame->SetBorderIcons({TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiMinimize,
                           TTeBorderIcon::kbiRollup, TTeBorderIcon::kbiTray});
    frame->Loaded();
    form->Show();

    QImage picture(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
    picture.fill(ToQColor(clAppWorkSpace));
    QWidget* window = form->Handle();
    const QPoint origin(8, 8);
    QTimer::singleShot(300, [&] {
        QPainter painter(&picture);
        const QRegion shape = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask();
        painter.save();
        painter.setClipRegion(shape.translated(origin));
        painter.drawPixmap(origin, window->grab());
        painter.restore();
        if (TTeItemView* open = TTeItemView::Innermost()) {
            painter.drawPixmap(open->Window()->pos() - window->pos() + origin, open->Window()->grab());
            open->CloseAll();
        }
    });
    // Where a right click a little into the caption would open it.
    const TRect client = frame->GetFrameClientRect();
    const QPoint cursor = window->mapToGlobal(QPoint(60, client.Top / 2));
    frame->ShowSystemMenu({cursor.x(), cursor.y()});
    return picture;
}
