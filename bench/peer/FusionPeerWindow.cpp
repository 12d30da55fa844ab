#include "bench/peer/FusionPeerWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyleFactory>
#include <QTableWidget>

namespace {

constexpr int kMenuHeight = 21;

// A label and a drop-down list of the settings group, one row of it.
void AddSetting(QWidget* group, int top, const QString& label, const QStringList& items)
{
    auto* caption = new QLabel(label, group);
    caption->setGeometry(8, top, 48, 26);
    auto* box = new QComboBox(group);
    box->addItems(items);
    box->setGeometry(57, top, 107, 22);
}

QCheckBox* AddCheckBox(QWidget* group, int left, int top, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption, group);
    box->setGeometry(left, top, 140, 17);
    box->setChecked(checked);
    return box;
}

void AddMenus(QMenuBar* bar)
{
    bar->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    QMenu* operation = bar->addMenu(QStringLiteral("Operation"));
    operation->addAction(QStringLiteral("Open CD"));
    QMenu* rip = operation->addMenu(QStringLiteral("Rip"));
    rip->addAction(QStringLiteral("To MP3"));
    rip->addAction(QStringLiteral("To WAV"));
    operation->addAction(QStringLiteral("Stop"));
    operation->addAction(QStringLiteral("Open folder"));
    bar->addAction(QStringLiteral("Vidmoor"));
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->addAction(QStringLiteral("Home Page"));
    help->addAction(QStringLiteral("Support"));
    help->addSeparator();
    help->addAction(QStringLiteral("About..."));
}

QTableWidget* AddTrackTable(QWidget* group)
{
    auto* table = new QTableWidget(13, 2, group);
    table->setGeometry(15, 20, 410, 296);
    table->setColumnWidth(0, 68);
    table->setColumnWidth(1, 346);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setHorizontalHeaderLabels({QStringLiteral("Track"), QStringLiteral("Output File Name")});
    for (int row = 0; row < 12; ++row) {
        const QString name = QStringLiteral("Track%1").arg(row + 1, 2, 10, QLatin1Char('0'));
        table->setItem(row, 0, new QTableWidgetItem(name));
        table->setItem(row, 1, new QTableWidgetItem(QStringLiteral("/home/user/Output/%1.MP3").arg(name)));
    }
    return table;
}

void AddOutputSettings(QWidget* group)
{
    AddSetting(group, 20, QStringLiteral("Rip"), {QStringLiteral("All CD tracks"), QStringLiteral("Selected track")});
    AddSetting(group, 48, QStringLiteral("Format"), {QStringLiteral("MP3"), QStringLiteral("WAV")});
    AddSetting(group, 76, QStringLiteral("Sample\nRate"), {QStringLiteral("44100"), QStringLiteral("32000"), QStringLiteral("22050")});
    AddSetting(group, 104, QStringLiteral("BitRate"),
               {QStringLiteral("320"), QStringLiteral("256"), QStringLiteral("192"), QStringLiteral("160"),
                QStringLiteral("128"), QStringLiteral("96")});
    AddSetting(group, 132, QStringLiteral("Max\nBitRate"),
               {QStringLiteral("320"), QStringLiteral("256"), QStringLiteral("192"), QStringLiteral("160")});
    AddSetting(group, 160, QStringLiteral("Mode"),
               {QStringLiteral("Stereo"), QStringLiteral("Joint stereo"), QStringLiteral("Dual channel"),
                QStringLiteral("Mono")});
    AddSetting(group, 188, QStringLiteral("Quality"),
               {QStringLiteral("Normal"), QStringLiteral("Low"), QStringLiteral("High"), QStringLiteral("Voice")});
    AddCheckBox(group, 12, 220, QStringLiteral("VBR"), false);
    AddCheckBox(group, 12, 242, QStringLiteral("Write VBR Header"), false);
    auto* quality = new QLabel(QStringLiteral("VBR Quality"), group);
    quality->setGeometry(12, 266, 80, 16);
    auto* slider = new QSlider(Qt::Horizontal, group);
    slider->setGeometry(8, 284, 136, 28);
    slider->setRange(0, 10);
    slider->setValue(3);
    slider->setTickPosition(QSlider::TicksAbove);
    auto* value = new QLabel(QStringLiteral("4"), group);
    value->setGeometry(150, 290, 20, 16);
    AddCheckBox(group, 12, 322, QStringLiteral("Copyright"), false);
    AddCheckBox(group, 96, 322, QStringLiteral("Original"), false);
    AddCheckBox(group, 12, 346, QStringLiteral("CRC"), true);
    AddCheckBox(group, 96, 346, QStringLiteral("Private"), false);
}

}  // namespace

void UseFusionStyle()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

TFusionPeerWindow::TFusionPeerWindow()
{
    setWindowTitle(QStringLiteral("Trackwell 1.0 Freeware"));
    setFixedSize(642, 414);
    auto* menu = new QMenuBar(this);
    menu->setGeometry(0, 0, 642, kMenuHeight);
    AddMenus(menu);

    auto* content = new QGroupBox(QStringLiteral("CD Content"), this);
    content->setGeometry(6, 21, 438, 328);
    tracks_ = AddTrackTable(content);

    auto* settings = new QGroupBox(QStringLiteral("Output Settings"), this);
    settings->setGeometry(451, 21, 180, 384);
    AddOutputSettings(settings);

    auto* progress = new QProgressBar(this);
    progress->setGeometry(21, 352, 409, 16);
    progress->setRange(0, 100);
    progress->setTextVisible(false);
    const char* captions[] = {"Open CD", "Start", "Stop", "Open Folder"};
    const int lefts[] = {19, 123, 229, 334};
    for (int i = 0; i < 4; ++i)
        (new QPushButton(QString::fromLatin1(captions[i]), this))->setGeometry(lefts[i], 377, 98, 25);
}
