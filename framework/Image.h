#pragma once
// The framework's picture control: shows a picture at its top-left or centred, stretched to its
// bounds on request, blended over what lies beneath where the picture is transparent.
#include <QByteArray>
#include <QImage>

#include "framework/GraphicControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    // The picture as stored: PNG bytes (empty without a picture). Bytes that are not a picture raise
    // EPropertyError.
    QByteArray PictureData() const;
    void SetPictureData(const QByteArray& data);

    bool Center() const { return center_; }
    void SetCenter(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    // False: the control's rectangle is filled with Color first, hiding what lies beneath.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // Where the picture goes, in the control's coordinates.
    TRect PictureRect() const;

protected:
    void Paint() override;

private:
    QImage picture_;
    bool center_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};

// Registers the stored properties and the class (once, at start-up).
void RegisterImage();
