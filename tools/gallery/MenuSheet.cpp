#include "tools/gallery/MenuSheet.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <cstdio>

#include "controls/menus/TeItemView.h"
#include "controls/menus/TeMenuBar.h"
#include "framework/Colors.h"
#include "framework/Form.h"
#include "tools/gallery/GalleryPictures.h"
#include "tools/gallery/SystemMenuPanel.h"

namespace {

constexpr int kPanelWidth = 330;
constexpr int kPanelHeight = 190;

TTeItem* AddItem(TComponent* owner, TTeItem* parent, const char* caption)
{
    auto* item = new TTeItem(owner);
    item->SetCaption(QString::fromUtf8(caption));
    parent->Add(item);
    return item;
}

void SendKey(QWidget* window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
}

// The form with its bar, the popup and its submenu, as they stand on the screen.
QImage GrabOpenMenu()
{
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetBounds(40, 40, kPanelWidth, kPanelHeight);
    form->SetColor(clBtnFace);
    auto* bar = new TTeMenuBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(0, 0, kPanelWidth, bar->Height());
    bar->SetImages(&GalleryPictures());
    TTeItem* root = bar->Items();
    AddItem(form.get(), AddItem(form.get(), root, "&File"), "E&xit");
    TTeItem* operation = AddItem(form.get(), root, "&Operation");
    TTeItem* openCd = AddItem(form.get(), operation, "&Open CD");
    openCd->SetShortCut(kShortCutCtrl | 'O');
    openCd->SetImageIndex(static_cast<int>(TGalleryPicture::kgpDisc));
    TTeItem* rip = AddItem(form.get(), operation, "&Rip");
    AddItem(form.get(), rip, "To &MP3")->SetChecked(true);
    AddItem(form.get(), rip, "To &WAV");
    AddItem(form.get(), operation, "-");
    TTeItem* stop = AddItem(form.get(), operation, "&Stop");
    stop->SetEnabled(false);
    stop->SetImageIndex(static_cast<int>(TGalleryPicture::kgpStop));
    AddItem(form.get(), operation, "Open &folder")->SetImageIndex(static_cast<int>(TGalleryPicture::kgpFolder));
    AddItem(form.get(), root, "&Encoder");
    TTeItem* help = AddItem(form.get(), root, "&Help");
    AddItem(form.get(), help, "&About...");
    form->Show();

    QImage picture(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
    QWidget* window = form->Handle();
    QTimer::singleShot(60, [window] {
        SendKey(window, Qt::Key_Down);
        SendKey(window, Qt::Key_Right);
    });
    QTimer::singleShot(300, [&picture, window] {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, window->grab());
        QList<TTeItemView*> levels;
        for (TTeItemView* view = TTeItemView::Innermost(); view != nullptr; view = view->ParentView())
            levels.prepend(view);
        for (TTeItemView* view : levels) {
            if (view->Window()->isWindow())
                painter.drawPixmap(view->Window()->pos() - window->pos(), view->Window()->grab());
        }
        if (TTeItemView* open = TTeItemView::Innermost())
            open->CloseAll();
    });
    bar->Enter(operation);
    return picture;
}

}  // namespace

int RenderMenuSheet(const QString& outFile)
{
    const QImage bar = GrabOpenMenu();
    const QImage systemMenu = GrabOpenSystemMenu();
    QImage sheet(bar.width() + systemMenu.width(), std::max(bar.height(), systemMenu.height()), QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.drawImage(0, 0, bar);
    painter.drawImage(bar.width(), 0, systemMenu);
    painter.end();
    if (!sheet.save(outFile, "PNG")) {
        std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(outFile));
        return 1;
    }
    return 0;
}
