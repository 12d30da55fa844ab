#pragma once
// What an element object needs of its visual-style theme: a bitmap fetched into the theme's list on demand.
#include <QString>

class TmsuxBitmapSource {
public:
    virtual ~TmsuxBitmapSource() = default;
    // Makes sure the theme's bitmap list holds a bitmap of that name (empty when the style lacks it).
    virtual void EnsureBitmap(const QString& imageName) = 0;
};
