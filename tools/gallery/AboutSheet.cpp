#include "tools/gallery/AboutSheet.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>

#include "app/AboutWindow.h"
#include "controls/window/ControlComponents.h"
#include "framework/Form.h"
#include "tools/gallery/WindowPicture.h"

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
    return SaveSheet(WindowOnGround(*window, kMargin), outFile);
}
