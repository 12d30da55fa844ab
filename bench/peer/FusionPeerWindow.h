#pragma once
// The yardstick for the main window: the same 642 × 414 window built from stock Qt widgets in the
// Fusion style (menu bar, two group boxes, a two-column table of 13 rows, seven combo boxes, six
// check boxes, a slider, a progress bar, four buttons and the labels), with nothing themed.
#include <QWidget>

class QTableWidget;

class TFusionPeerWindow : public QWidget {
public:
    TFusionPeerWindow();

    QTableWidget* Tracks() const { return tracks_; }

private:
    QTableWidget* tracks_ = nullptr;
};

// Makes Fusion the application's style: the peer is measured in Qt's own look.
void UseFusionStyle();
