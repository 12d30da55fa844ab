#pragma once
// Image drawing through a QPainter by nearest pixels over what is there (source over, no smoothing)
// for one scope; the painter's own settings are put back afterwards. Unlike save()/restore() it
// allocates nothing.
#include <QPainter>

class TNearestImageDrawing {
public:
    explicit TNearestImageDrawing(QPainter& painter)
        : painter_(painter),
          mode_(painter.compositionMode()),
          smooth_(painter.testRenderHint(QPainter::SmoothPixmapTransform))
    {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    ~TNearestImageDrawing()
    {
        painter_.setCompositionMode(mode_);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, smooth_);
    }
    TNearestImageDrawing(const TNearestImageDrawing&) = delete;
    TNearestImageDrawing& operator=(const TNearestImageDrawing&) = delete;

private:
    QPainter& painter_;
    QPainter::CompositionMode mode_;
    bool smooth_;
};
