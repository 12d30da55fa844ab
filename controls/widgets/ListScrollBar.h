#pragma once
// The themed scroll bar of a combo box's drop-down list: it takes the place of the list view's own
// vertical bar and is drawn like the themed scroll bar. An arrow press scrolls one line (the arrow
// drawn pressed until the release), a page press one page, a thumb drag puts the list's top row at
// the same share of the range as the mouse of the track, and every wheel message scrolls one line
// whatever its size.
#include <QScrollBar>
#include <functional>

#include "controls/core/ScrollBarPainter.h"

class TteTheme;

class TListScrollBar : public QScrollBar {
public:
    // theme answers the theme to draw with, or nullptr for the classic look.
    explicit TListScrollBar(std::function<TteTheme*()> theme);

    TScrollBarLayout Layout() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TScrollBarPart PartAt(QPoint point) const;

    std::function<TteTheme*()> theme_;
    TScrollBarPart pressed_ = TScrollBarPart::ksbpNone;
    TScrollBarPart hot_ = TScrollBarPart::ksbpNone;
    bool dragging_ = false;
};
