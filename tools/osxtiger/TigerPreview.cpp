// The proof sheet: each element object of the theme drawn straight, without the theme's families,
// so the artwork can be judged on its own.
#include "tools/osxtiger/TigerPreview.h"

#include <QImage>
#include <algorithm>

#include "framework/Canvas.h"
#include "framework/Font.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/PngWriter.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"

namespace {

constexpr int kSheetWidth = 760;
constexpr int kRowHeight = 44;
constexpr int kLabelWidth = 190;
// Close-up pages: this many rows each, at twice the size.
constexpr int kRowsPerPage = 16;

}  // namespace

void SaveElementPreview(const TTeThemeMsStyles& theme, const QString& pngFile)
{
    const auto& sections = TTeThemeMsStyles::ElementSections();
    TteBitmap sheet;
    sheet.SetSize(kSheetWidth, static_cast<int>(sections.size()) * kRowHeight + 16);
    sheet.Fill(0xFFE6E6E6);
    TCanvas& canvas = sheet.Canvas();
    canvas.Font()->SetName(QStringLiteral("DejaVu Sans"));
    canvas.Font()->SetSize(8);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    int y = 8;
    for (const QString& section : sections) {
        TmsuxThemeObject* element = theme.Element(section);
        canvas.TextOut(8, y + 4, section + (element->IsLoaded() ? QString() : QStringLiteral("  (no keys)")));
        if (element->IsLoaded()) {
            // Elements drawn without a picture get a stand-in size.
            const TSize frame = element->ImageFile.Valid() ? element->FrameSize() : TSize{40, 20};
            const int frames = std::max(1, element->ImageCount);
            int x = kLabelWidth;
            // Every frame at its own size, then the first frame grown and, where it can, shrunk.
            for (int i = 1; i <= frames && x < kSheetWidth - 120; ++i) {
                const int height = std::min(frame.cy, kRowHeight - 8);
                element->Draw(canvas, TRect{x, y, x + frame.cx, y + height}, i, TRect{});
                x += frame.cx + 6;
            }
            x += 10;
            const int wide = std::min(frame.cx * 3, 120);
            const int tall = std::min(frame.cy + 10, kRowHeight - 8);
            element->Draw(canvas, TRect{x, y, x + wide, y + tall}, 1, TRect{});
            x += wide + 8;
            if (x < kSheetWidth - 60)
                element->Draw(canvas, TRect{x, y, x + std::max(8, frame.cx / 2), y + std::max(8, frame.cy / 2)}, 1,
                              TRect{});
        }
        y += kRowHeight;
    }
    SaveBitmapToPng(sheet, pngFile);
    const QImage whole = sheet.ToImage();
    QString base = pngFile;
    base.chop(base.endsWith(QStringLiteral(".png")) ? 4 : 0);
    for (int page = 0; page * kRowsPerPage * kRowHeight < whole.height(); ++page) {
        const QImage part = whole.copy(0, page * kRowsPerPage * kRowHeight, kSheetWidth, kRowsPerPage * kRowHeight);
        part.scaled(part.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(QStringLiteral("%1-%2.png").arg(base).arg(page + 1));
    }
}
