#include "framework/Image.h"

#include <QBuffer>
#include <QPainter>

#include "framework/PropInfo.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 105, 105);
}

void TImage::SetPicture(const QImage& picture)
{
    picture_ = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Invalidate();
}

QByteArray TImage::PictureData() const
{
    QByteArray data;
    if (picture_.isNull())
        return data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture_.save(&buffer, "PNG");
    return data;
}

void TImage::SetPictureData(const QByteArray& data)
{
    if (data.isEmpty()) {
        SetPicture(QImage());
        return;
    }
    QImage picture;
    if (!picture.loadFromData(data, "PNG"))
        InvalidPropertyValue(QStringLiteral("the picture is not a PNG image"));
    SetPicture(picture);
}

void TImage::SetCenter(bool value)
{
    center_ = value;
    Invalidate();
}

void TImage::SetStretch(bool value)
{
    stretch_ = value;
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    transparent_ = value;
    Invalidate();
}

TRect TImage::PictureRect() const
{
    if (stretch_)
        return ClientRect();
    const int left = center_ ? (Width() - picture_.width()) / 2 : 0;
    const int top = center_ ? (Height() - picture_.height()) / 2 : 0;
    return Rect(left, top, left + picture_.width(), top + picture_.height());
}

void TImage::Paint()
{
    TCanvas& canvas = Canvas();
    if (!transparent_) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    if (picture_.isNull())
        return;
    // Blended, not copied: the picture's transparent parts show what was drawn beneath.
    TDeviceContext& context = *canvas.Handle();
    const TRect target = context.ToDevice(PictureRect());
    QPainter& painter = context.Painter();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, stretch_);
    painter.drawImage(target.ToQRect(), picture_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void RegisterImage()
{
    RegisterProperties<TImage, TControl>()
        .Boolean("Center", &TImage::Center, &TImage::SetCenter, false)
        .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
        .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent, false)
        .Binary("Picture", &TImage::PictureData, &TImage::SetPictureData);
    RegisterClass<TImage>("TImage");
}
