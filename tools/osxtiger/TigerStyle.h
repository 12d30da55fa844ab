#pragma once
// The OSXTiger style being assembled: its INI sections in order and its pictures by file name.
#include <QColor>
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

class TTeThemeMsStyles;

// A colour in the style's "red green blue" form.
QString IniColour(const QColor& colour);

using TTigerKeys = std::vector<std::pair<QString, QString>>;

class TTigerStyle {
public:
    // Keeps picture under the style file name "Tiger\<name>.bmp" and answers that name for an
    // "imagefile" key; the bitmap itself is named the way the theme looks it up.
    QString Image(const QString& name, const QImage& picture);
    void Section(const QString& name, const TTigerKeys& keys);

    // Hands the INI text, the pictures and the name "OSXTiger" to theme (replacing what it held).
    void FillTheme(TTeThemeMsStyles& theme) const;

private:
    QStringList lines_;
    std::vector<std::pair<QString, QImage>> pictures_;
};
