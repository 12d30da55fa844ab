// The OSXTiger style being assembled.
#include "tools/osxtiger/TigerStyle.h"

#include <memory>

#include "framework/IniFile.h"
#include "framework/StringList.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxValueForms.h"

namespace {

// The key colour of the pictures (tiger::kKey) as a pixel.
constexpr TteColor kKeyPixel = 0xFFFF00FF;

bool LetsGroundShow(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) < 255)
                return true;
    return false;
}

}  // namespace

QString IniColour(const QColor& colour)
{
    return QStringLiteral("%1 %2 %3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString TTigerStyle::Image(const QString& name, const QImage& picture)
{
    const QString fileName = QStringLiteral("Tiger\\") + name + QStringLiteral(".bmp");
    pictures_.emplace_back(ResourceImageName(fileName).toUpper(), picture);
    return fileName;
}

void TTigerStyle::Section(const QString& name, const TTigerKeys& keys)
{
    lines_.append(QLatin1Char('[') + name + QLatin1Char(']'));
    for (const auto& [key, value] : keys)
        lines_.append(key + QStringLiteral(" = ") + value);
    lines_.append(QString());
}

void TTigerStyle::FillTheme(TTeThemeMsStyles& theme) const
{
    TStringList lines;
    for (const QString& line : lines_)
        lines.Add(line);
    theme.Ini().SetStrings(lines);
    theme.Bitmaps().Clear();
    for (const auto& [name, picture] : pictures_) {
        auto bitmap = std::make_unique<TteBitmap>();
        bitmap->Assign(picture.convertToFormat(QImage::Format_ARGB32));
        // Any pixel that lets the ground show (even a fully clear one) makes the picture blended;
        // fully opaque pictures are copied, their key pixels settled by the sections that use them.
        bitmap->SetAlphaBlend(LetsGroundShow(picture));
        // Keyed here rather than on loading, so a loaded theme saves back the very same bytes.
        if (!bitmap->AlphaBlend())
            bitmap->SetTransparentColor(kKeyPixel);
        bitmap->SetName(name);
        theme.Bitmaps().Add(std::move(bitmap));
    }
    theme.SetName(QStringLiteral("OSXTiger"));
}
