#include "tools/gallery/WindowSheet.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QElapsedTimer>
#include <QWidget>
#include <cstdio>

#include "controls/frame/TeForm.h"
#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeGroupBox.h"
#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "controls/widgets/TeTrackBar.h"
#include "framework/Form.h"

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
        AddControls();
        frame->Loaded();
    }

    // Where the program's main window has them: the track list, the settings, the progress bar and
    // the command buttons.
    void AddControls()
    {
        TTeGroupBox* content = Place(new TTeGroupBox(form.get()), form.get(), 6, 21, 438, 328);
        content->SetCaption(QStringLiteral("CD Content"));
        TTeStringGrid* grid = Place(new TTeStringGrid(form.get()), content, 15, 20, 410, 296);
        grid->SetColCount(2);
        grid->SetRowCount(13);
        grid->SetFixedCols(0);
        grid->SetScrollBars(TScrollStyle::ssVertical);
        grid->SetOptions(grid->Options() + TGridOptions{TGridOption::goRowSelect, TGridOption::goColSizing});
        grid->SetDefaultRowHeight(20);
        grid->SetColWidths(0, 68);
        grid->SetColWidths(1, 346);
        grid->SetCells(0, 0, QStringLiteral("Track"));
        grid->SetCells(1, 0, QStringLiteral("Output File Name"));
        for (int row = 1; row < 13; ++row) {
            const QString name = QStringLiteral("Track%1").arg(row, 2, 10, QLatin1Char('0'));
            grid->SetCells(0, row, name);
            grid->SetCells(1, row, QStringLiteral("/home/user/Output/%1.MP3").arg(name));
        }

        TTeGroupBox* settings = Place(new TTeGroupBox(form.get()), form.get(), 451, 21, 180, 384);
        settings->SetCaption(QStringLiteral("Output Settings"));
        const QStringList boxes[] = {{QStringLiteral("All CD tracks"), QStringLiteral("Selected track")},
                                     {QStringLiteral("MP3"), QStringLiteral("WAV")},
                                     {QStringLiteral("44100"), QStringLiteral("32000"), QStringLiteral("22050")},
                                     {QStringLiteral("256"), QStringLiteral("320")}};
        int top = 20;
        for (const QStringList& items : boxes) {
            TTeSComboBox* box = Place(new TTeSComboBox(form.get()), settings, 57, top, 107, 22);
            box->SetStyle(TComboBoxStyle::csDropDownList);
            for (const QString& item : items)
                box->Items()->Add(item);
            box->SetItemIndex(0);
            top += 28;
        }
        const char* checks[] = {"VBR", "Write VBR Header", "CRC"};
        for (const char* caption : checks) {
            TTeCheckBox* check = Place(new TTeCheckBox(form.get()), settings, 12, top + 4, 150, 17);
            check->SetCaption(QString::fromLatin1(caption));
            check->SetChecked(QByteArray(caption) == "CRC");
            top += 24;
        }
        Place(new TTeTrackBar(form.get()), settings, 8, top + 8, 140, 30);

        TTeProgressBar* progress = Place(new TTeProgressBar(form.get()), form.get(), 21, 352, 409, 16);
        progress->SetPosition(37);
        const char* captions[] = {"Open CD", "Start", "Stop", "Open Folder"};
        const int lefts[] = {19, 123, 229, 334};
        for (int i = 0; i < 4; ++i)
            Place(new TTeButton(form.get()), form.get(), lefts[i], 377, 98, 25)->SetCaption(QString::fromLatin1(captions[i]));
    }

    template <class Control, class Parent>
    static Control* Place(Control* control, Parent* parent, int left, int top, int width, int height)
    {
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
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
