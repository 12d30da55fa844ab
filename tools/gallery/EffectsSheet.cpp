#include "tools/gallery/EffectsSheet.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>

#include "graphics/Animation.h"
#include "graphics/AnimationRec.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapPainter.h"
#include "graphics/EffectRegistry.h"
#include "graphics/PngWriter.h"

namespace {

constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 80;
constexpr int kGap = 6;
constexpr int kLabelHeight = 16;
constexpr int kEffectsPerRow = 3;
constexpr int kPercents[] = {25, 50, 75};
constexpr int kCellWidth = 3 * (kFrameWidth + kGap) + 2 * kGap;
constexpr int kCellHeight = kLabelHeight + kFrameHeight + 2 * kGap;

// The old picture: a cool gradient under a grid, so moved and scaled parts show.
void PaintOldPicture(TteBitmap& picture)
{
    picture.SetSize(kFrameWidth, kFrameHeight);
    TteBitmapPainter painter = picture.Paint();
    QLinearGradient ground(0, 0, kFrameWidth, kFrameHeight);
    ground.setColorAt(0, QColor(30, 60, 140));
    ground.setColorAt(1, QColor(120, 190, 230));
    painter->fillRect(0, 0, kFrameWidth, kFrameHeight, ground);
    painter->setPen(QColor(20, 30, 70));
    for (int x = 0; x < kFrameWidth; x += 12)
        painter->drawLine(x, 0, x, kFrameHeight);
    for (int y = 0; y < kFrameHeight; y += 12)
        painter->drawLine(0, y, kFrameWidth, y);
}

// The new picture: a warm sun with a key-coloured hole that must never show.
void PaintNewPicture(TteBitmap& picture)
{
    picture.SetSize(kFrameWidth, kFrameHeight);
    {
        TteBitmapPainter painter = picture.Paint();
        painter->fillRect(0, 0, kFrameWidth, kFrameHeight, QColor(250, 236, 200));
        QRadialGradient sun(kFrameWidth / 2.0, kFrameHeight / 2.0, kFrameHeight / 2.0);
        sun.setColorAt(0, QColor(255, 200, 40));
        sun.setColorAt(1, QColor(220, 70, 20));
        painter->setPen(Qt::NoPen);
        painter->setBrush(sun);
        painter->drawEllipse(QPointF(kFrameWidth / 2.0, kFrameHeight / 2.0), kFrameHeight / 2.5, kFrameHeight / 2.5);
        painter->setPen(QPen(QColor(120, 40, 10), 3));
        painter->drawLine(8, kFrameHeight - 10, kFrameWidth - 8, kFrameHeight - 10);
    }
    picture.FillRect({kFrameWidth - 22, 6, kFrameWidth - 6, 22}, TransparentKey);
    picture.SetAlpha(255);
}

// Bright at the top-left, dark at the bottom-right: the bitmap effect's order of appearance.
QImage BitmapEffectMask()
{
    QImage mask(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int v = 255 - (x + y) * 4;
            mask.setPixel(x, y, qRgb(v, v, v));
        }
    return mask;
}

void Label(TteBitmap& sheet, int x, int y, const QString& text)
{
    TteBitmapPainter painter = sheet.Paint();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter->setFont(font);
    painter->setPen(QColor(30, 30, 30));
    painter->drawText(QRect(x, y, kCellWidth - kGap, kLabelHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// One frame of the transition at percent, drawn at (x, y) by the engine's own steps.
void DrawFrame(TteBitmap& sheet, int x, int y, TteAnimationRec& rec, int percent)
{
    TteBitmap oldPicture, newPicture;
    PaintOldPicture(oldPicture);
    PaintNewPicture(newPicture);
    const int slot = StartAnimation(sheet.Canvas(), x, y, -1, rec, newPicture, oldPicture);
    // 400 ms in 20 ms steps: 5 % per step.
    for (int step = 0; step < percent / 5 && IsAnimating(slot); ++step)
        AnimationTick();
    FinishAnimation(slot, false);
}

void RenderEffectsSheet(TteBitmap& sheet)
{
    QStringList names = EffectNames();
    names.removeFirst();  // a random choice shows nothing of its own
    const int rows = (static_cast<int>(names.size()) + kEffectsPerRow - 1) / kEffectsPerRow;
    sheet.SetSize(kEffectsPerRow * kCellWidth + kGap, rows * kCellHeight + kGap);
    sheet.Fill(0xFFF0F0F0);

    const TOwned<TteAnimationRec> rec = MakeOwned<TteAnimationRec>(nullptr);
    rec->SetTime(400);
    rec->SetBitmap(BitmapEffectMask());
    for (int i = 0; i < names.size(); ++i) {
        const int left = kGap + (i % kEffectsPerRow) * kCellWidth;
        const int top = kGap + (i / kEffectsPerRow) * kCellHeight;
        Label(sheet, left, top, names[i]);
        rec->SetEffect(names[i]);
        for (int k = 0; k < 3; ++k)
            DrawFrame(sheet, left + k * (kFrameWidth + kGap), top + kLabelHeight, *rec, kPercents[k]);
    }
}

}  // namespace

int WriteEffectsSheet(const QString& fileName)
{
    try {
        TteBitmap sheet;
        RenderEffectsSheet(sheet);
        SaveBitmapToPng(sheet, fileName);
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        return 1;
    }
    return 0;
}
