#include "controls/frame/BackgroundCapture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

QImage GrabScreen(const TRect& rect)
{
    QScreen* screen = QGuiApplication::screenAt(QPoint(rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2));
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QPoint origin = screen->geometry().topLeft();
    const QPixmap grabbed = screen->grabWindow(0, rect.Left - origin.x(), rect.Top - origin.y(), rect.Width(), rect.Height());
    return grabbed.isNull() ? QImage() : grabbed.toImage().convertToFormat(QImage::Format_RGB32);
}

void TBackgroundCapture::Capture(const TRect& rect, const std::function<QImage()>& fallback)
{
    if (rect == bounds_ && !Empty())
        return;
    if (rect.IsEmpty()) {
        bounds_ = rect;
        return;
    }
    QImage next(rect.Width(), rect.Height(), QImage::Format_RGB32);
    next.fill(Qt::black);
    const QImage screen = grab_(rect);
    {
        QPainter painter(&next);
        if (!screen.isNull() && screen.size() == next.size())
            painter.drawImage(0, 0, screen);
        else
            painter.drawImage(0, 0, fallback());
        // Where the window stood before, the screen shows the window: the old picture is kept.
        if (!Empty()) {
            const QRect overlap = bounds_.ToQRect().intersected(rect.ToQRect());
            if (!overlap.isEmpty())
                painter.drawImage(overlap.topLeft() - QPoint(rect.Left, rect.Top), picture_.ToImage(),
                                  overlap.translated(-bounds_.Left, -bounds_.Top));
        }
    }
    picture_.Assign(next);
    picture_.SetAlphaBlend(false);
    bounds_ = rect;
}
