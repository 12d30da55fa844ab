// The combo box and grid band of the controls sheet: a themed combo box closed, hot, focused,
// disabled and dropped down, one of the simple style with its list always shown, and a themed grid of 30 rows scrolled part-way with a selected row.
//
// The drop-down list is a top-level popup window, which a grab of the host window does not show.
// So the dropped-down combo box is opened once while the band is built, its face and its popup list
// are grabbed apart (each through its own paint) and composed into one picture, which a windowless
// control shows where the combo box would sit; the live combo box is closed again and removed.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "framework/Canvas.h"
#include "framework/GraphicControl.h"
#include "framework/WinControl.h"
#include "tools/gallery/ControlSections.h"

namespace {

const char* const kSampleRates[] = {"8000 Hz",  "11025 Hz", "12000 Hz", "16000 Hz", "22050 Hz",
                                    "24000 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};

// A picture composed once, drawn at its own size.
class TPicture : public TGraphicControl {
public:
    TPicture(TComponent* owner, QImage picture) : TGraphicControl(owner), picture_(std::move(picture))
    {
        SetBounds(0, 0, picture_.width(), picture_.height());
    }

protected:
    void Paint() override { Canvas().Draw(0, 0, picture_); }

private:
    QImage picture_;
};

TTeSComboBox* AddCombo(TWinControl& host, int left, int top, int items)
{
    auto* combo = new TTeSComboBox(&host);
    combo->SetParent(&host);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetItemHeight(16);
    combo->SetBounds(left, top, 110, 21);
    for (int i = 0; i < items; ++i)
        combo->Items()->Add(i < 9 ? QString::fromLatin1(kSampleRates[i]) : QStringLiteral("%1 kbit/s").arg(32 + 8 * i));
    combo->SetItemIndex(items > 7 ? 7 : 0);
    return combo;
}

// The face with the popup list below it, grabbed while the list is open.
QImage DroppedDownPicture(TTeSComboBox& combo)
{
    QWidget* window = combo.Handle()->window();
    window->show();
    combo.SetDroppedDown(true);
    QCoreApplication::processEvents();
    QWidget* list = combo.ListWindow();
    // The list shows its scroll bar part-way down.
    combo.Box()->view()->scrollTo(combo.Box()->model()->index(12, 0));
    QCoreApplication::processEvents();
    const QImage face = combo.Handle()->grab().toImage();
    const QImage popup = list->grab().toImage();
    const QPoint listAt = list->mapToGlobal(QPoint(0, 0)) - combo.Handle()->mapToGlobal(QPoint(0, 0));
    combo.SetDroppedDown(false);
    QImage picture(std::max(face.width(), listAt.x() + popup.width()), std::max(face.height(), listAt.y() + popup.height()),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(0, 0, face);
    painter.drawImage(std::max(0, listAt.x()), std::max(face.height(), listAt.y()), popup);
    return picture;
}

void BuildComboGrid(TWinControl& host)
{
    AddCombo(host, 10, 10, 9);                  // closed
    AddCombo(host, 130, 10, 9)->MouseEnter();   // hot
    AddCombo(host, 250, 10, 9)->SetFocus();     // focused
    AddCombo(host, 370, 10, 9)->SetEnabled(false);
    TTeSComboBox* dropped = AddCombo(host, 10, 50, 20);
    auto* picture = new TPicture(&host, DroppedDownPicture(*dropped));
    dropped->Free();
    picture->SetParent(&host);
    picture->SetBounds(10, 50, picture->Width(), picture->Height());
    TTeSComboBox* simple = AddCombo(host, 10, 220, 12);
    simple->SetStyle(TComboBoxStyle::csSimple);
    simple->SetBounds(10, 220, 110, 121);
    simple->SetItemIndex(3);

    auto* grid = new TTeStringGrid(&host);
    grid->SetParent(&host);
    grid->SetBounds(150, 50, 410, 296);
    grid->SetColCount(2);
    grid->SetRowCount(31);
    grid->SetFixedCols(0);
    grid->SetScrollBars(TScrollStyle::ssVertical);
    grid->SetOptions(grid->Options() + TGridOptions{TGridOption::goRowSelect});
    grid->SetColWidths(0, 60);
    grid->SetColWidths(1, 320);
    grid->SetDefaultRowHeight(18);
    grid->SetCells(0, 0, QStringLiteral("Track"));
    grid->SetCells(1, 0, QStringLiteral("File"));
    for (int row = 1; row <= 30; ++row) {
        grid->SetCells(0, row, QString::number(row));
        grid->SetCells(1, row, QStringLiteral("Track%1.mp3").arg(row, 2, 10, QLatin1Char('0')));
    }
    grid->SetRow(17);
    grid->SetTopRow(9);
}

}  // namespace

extern const TControlSection kComboGridSection = {"Combo boxes and string grid", QSize(580, 360), &BuildComboGrid};
