#include "tools/gallery/WindowSheet.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QElapsedTimer>
#include <QWidget>
#include <cstdio>

#include "controls/TeForm.h"
#include "framework/Form.h"
#include "framework/GroupBox.h"

namespace {

constexpr int kClientWidth = 642;
constexpr int kClientHeight = 414;
constexpr int kMargin = 16;

// The caption buttons and the size of the program's windows, with a few controls on the client.
struct TSampleWindow {
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    TTeForm* frame = new TTeForm(form.get());

    explicit TSampleWindow(int left)
    {
        form->SetBounds(left, 40, kClientWidth, kClientHeight);
        form->SetCaption(QStringLiteral("Trackwell - Audio CD ripper"));
        frame->SetBorderIcons({TTeBorderIcon::kbiClose, TTeBorderIcon::kbiSystemMenu, TTeBorderIcon::kbiMinimize,
                               TTeBorderIcon::kbiRollup, TTeBorderIcon::kbiTray});
        frame->Dragging().SetSizeable(false);
        auto* settings = new TGroupBox(form.get());
        settings->SetParent(form.get());
        settings->SetCaption(QStringLiteral("MP3 settings"));
        settings->SetBounds(16, 16, 300, 180);
        frame->Loaded();
    }

    // The window as it shows on the screen: pixels outside its shape left as they are in sheet.
    void DrawOn(QPainter& painter, QPoint at)
    {
        QWidget* window = form->Handle();
        const QImage image = window->grab().toImage();
        const QRegion shape = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask();
        painter.save();
        painter.setClipRegion(shape.translated(at));
        painter.drawImage(at, image);
        painter.restore();
    }
};

}  // namespace

int RenderWindowSheet(const QString& outFile)
{
    TSampleWindow inactive(700);
    TSampleWindow active(20);
    inactive.form->Show();
    active.form->Show();
    QWidget* activeWindow = active.form->Handle();
    activeWindow->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!activeWindow->isActiveWindow() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!activeWindow->isActiveWindow())
        std::fprintf(stderr, "the active window never became active; both are drawn inactive\n");
    QCoreApplication::processEvents();

    const QSize size = activeWindow->size();
    QImage sheet(kMargin * 3 + size.width() * 2, kMargin * 2 + size.height(), QImage::Format_ARGB32);
    sheet.fill(QColor(0x80, 0x90, 0xA0));
    QPainter painter(&sheet);
    active.DrawOn(painter, {kMargin, kMargin});
    inactive.DrawOn(painter, {kMargin * 2 + size.width(), kMargin});
    painter.end();
    if (!sheet.save(outFile, "PNG")) {
        std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(outFile));
        return 1;
    }
    return 0;
}
