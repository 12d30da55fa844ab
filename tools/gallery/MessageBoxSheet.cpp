#include "tools/gallery/MessageBoxSheet.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>

#include "controls/ControlComponents.h"
#include "controls/TeMessageBox.h"
#include "framework/Form.h"

int RenderMessageBoxSheet(const QString& outFile)
{
    constexpr int kMargin = 16;
    RegisterControlComponents();
    TOwned<TForm> box(CreateMessageBox(
        nullptr, QStringLiteral("Trackwell"),
        QStringLiteral("Cannot create the file \"/home/user/Music/Output/Track01.mp3\": the folder cannot be written."),
        nullptr));
    box->SetBounds(40, 40, box->Width(), box->Height());
    box->Show();
    box->Handle()->activateWindow();
    QCoreApplication::processEvents();

    QWidget* window = box->Handle();
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
    std::printf("%s: box %d x %d, client %d x %d\n", qPrintable(outFile), box->Width(), box->Height(),
                box->ClientWidth(), box->ClientHeight());
    return 0;
}
