#include "tools/gallery/AboutSheet.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>

#include "app/AboutWindow.h"
#include "controls/ControlComponents.h"
#include "framework/Form.h"

int RenderAboutSheet(const QString& outFile)
{
    constexpr int kMargin = 16;
    RegisterControlComponents();
    TOwned<TForm> about(CreateAboutWindow(nullptr, nullptr));
    about->SetBounds(40, 40, about->Width(), about->Height());
    about->Show();
    about->Handle()->activateWindow();
    QCoreApplication::processEvents();

    QWidget* window = about->Handle();
    const QImage image = window->grab().toImage();
    const QRegion shape = window->mask().isEmpty() ? QRegion(window->rect()) : window->mask();
    QImage sheet(image.width() + 2 * kMargin, image.height() + 2 * kMargin, QImage::Format_ARGB32);
    sheet.fill(QColor(0x80, 0x90, 0xA0));
    QPainter painter(&sheet);
    painter.setClipRegion(shape.translated(kMargin, kMargin));
    painter.drawImage(kMargin, kMargin, image);
    painter.end();
    if (!sheet.save(outFile, "PNG")) {
        std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(outFile));
        return 1;
    }
    return 0;
}
