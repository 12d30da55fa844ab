#include "tools/gallery/MessageBoxSheet.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>

#include "controls/window/ControlComponents.h"
#include "controls/window/TeMessageBox.h"
#include "framework/Form.h"
#include "tools/gallery/WindowPicture.h"

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
    const int status = SaveSheet(WindowOnGround(*window, kMargin), outFile);
    if (status == 0)
        std::printf("%s: box %d x %d, client %d x %d\n", qPrintable(outFile), box->Width(), box->Height(),
                    box->ClientWidth(), box->ClientHeight());
    return status;
}
