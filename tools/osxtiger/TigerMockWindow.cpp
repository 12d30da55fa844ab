// A mock of the main window drawn straight from the element objects, the way the theme's families
// will place them, so the artwork can be judged as a whole before the families are there.
#include "tools/osxtiger/TigerPreview.h"

#include <QImage>

#include "framework/Canvas.h"
#include "framework/Font.h"
#include "graphics/Bitmap.h"
#include "graphics/PngWriter.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"

namespace {

class TMock {
public:
    TMock(const TTeThemeMsStyles& theme, TCanvas& canvas) : theme_(theme), canvas_(canvas) {}

    void Draw(const char* section, const TRect& rect, int frame = 1)
    {
        theme_.Element(QString::fromLatin1(section))->Draw(canvas_, rect, frame, TRect{});
    }

    void Text(int x, int y, const QString& text, TColor color = 0x222222, int size = 8)
    {
        canvas_.Brush()->SetStyle(TBrushStyle::bsClear);
        canvas_.Font()->SetName(QStringLiteral("DejaVu Sans"));
        canvas_.Font()->SetSize(size);
        canvas_.Font()->SetColor(color);
        canvas_.TextOut(x, y, text);
    }

    void Centred(const TRect& rect, const QString& text, TColor color = 0x222222, int size = 8)
    {
        canvas_.Font()->SetName(QStringLiteral("DejaVu Sans"));
        canvas_.Font()->SetSize(size);
        const int w = canvas_.TextWidth(text), h = canvas_.TextHeight(text);
        Text(rect.Left + (rect.Width() - w) / 2, rect.Top + (rect.Height() - h) / 2, text, color, size);
    }

    void Fill(const TRect& rect, TColor color)
    {
        canvas_.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas_.Brush()->SetColor(color);
        canvas_.FillRect(rect);
    }

    void Window(int left, int top, int width, int height, bool active)
    {
        const int cb = theme_.CaptionBarHeight(), bw = theme_.BorderWidth();
        const int right = left + width, bottom = top + height, clientTop = top + cb + bw;
        const int frame = active ? 1 : 2;
        Fill(TRect{left + bw, clientTop, right - bw, bottom - bw}, 0xE6E6E6);
        Draw("Window.Caption", TRect{left, top, right, clientTop}, frame);
        Draw("Window.FrameLeft", TRect{left, clientTop, left + bw, bottom - bw}, frame);
        Draw("Window.FrameRight", TRect{right - bw, clientTop, right, bottom - bw}, frame);
        Draw("Window.FrameBottom", TRect{left, bottom - bw, right, bottom}, frame);
        const QString title = QStringLiteral("Trackwell - Ready");
        Centred(TRect{left, top + bw + 1, right, clientTop + 1}, title, 0xFFFFFF, 9);
        Centred(TRect{left, top + bw, right, clientTop}, title, active ? 0x222222 : 0x808080, 9);
        const TRect base{right - cb - 1, top + bw + 1, right - bw - 1, top + cb + 1};
        const int step = cb - bw + 2;
        const char* buttons[] = {"Window.CloseButton", "Window.MaxButton", "Window.MinButton"};
        for (int i = 0; i < 3; ++i)
            Draw(buttons[i], TRect{base.Left - i * step, base.Top, base.Right - i * step, base.Bottom},
                 active ? (i == 0 ? 2 : 1) : 4);
    }

    void MainWindowContent(int left, int top)
    {
        const int x = left + 12;
        int y = top + 12;
        // Track list with a header, a selection and a scroll bar.
        const TRect list{x, y, x + 340, y + 190};
        Draw("listview", list);
        const char* columns[] = {"Track", "File name", "Length"};
        const int widths[] = {60, 200, 63};
        int cx = list.Left + 1;
        for (int i = 0; i < 3; ++i) {
            Draw("header.headeritem", TRect{cx, list.Top + 1, cx + widths[i], list.Top + 19}, i == 1 ? 2 : 1);
            Text(cx + 5, list.Top + 4, QString::fromLatin1(columns[i]));
            cx += widths[i];
        }
        for (int row = 0; row < 9; ++row) {
            const int ry = list.Top + 20 + row * 18;
            const bool selected = row == 2;
            if (selected)
                Fill(TRect{list.Left + 1, ry, list.Right - 17, ry + 18}, 0xD77538);
            const TColor ink = selected ? 0xFFFFFF : 0x222222;
            Text(list.Left + 6, ry + 3, QStringLiteral("%1").arg(row + 1), ink);
            Text(list.Left + 66, ry + 3, QStringLiteral("Track%1.mp3").arg(row + 1, 2, 10, QLatin1Char('0')), ink);
            Text(list.Left + 266, ry + 3, QStringLiteral("3:%1").arg(12 + row * 5), ink);
        }
        const TRect bar{list.Right - 17, list.Top + 1, list.Right - 1, list.Bottom - 1};
        Draw("ScrollBar.ArrowBtn", TRect{bar.Left, bar.Top, bar.Right, bar.Top + 16}, 1);
        Draw("ScrollBar.UpperTrackVert", TRect{bar.Left, bar.Top + 16, bar.Right, bar.Bottom - 16});
        Draw("ScrollBar.ArrowBtn", TRect{bar.Left, bar.Bottom - 16, bar.Right, bar.Bottom}, 5);
        const TRect thumb{bar.Left, bar.Top + 30, bar.Right, bar.Top + 90};
        Draw("ScrollBar.ThumbBtnVert", thumb, 1);
        Draw("ScrollBar.GripperVert", thumb, 1);

        // Encoder settings at the right.
        const int sx = list.Right + 12;
        const TRect group{sx, y + 6, sx + 148, y + 190};
        Draw("button.groupbox", group);
        Fill(TRect{sx + 8, y, sx + 70, y + 13}, 0xE6E6E6);
        Text(sx + 10, y, QStringLiteral("Encoder"));
        Draw("combobox", TRect{sx + 10, y + 24, sx + 138, y + 45});
        Text(sx + 15, y + 28, QStringLiteral("128 kbit/s"));
        Draw("Combobox.DropDownButton", TRect{sx + 121, y + 26, sx + 136, y + 43}, 1);
        const char* checks[] = {"Copyright", "Original", "CRC", "Private"};
        const int checkFrames[] = {5, 1, 6, 9};
        for (int i = 0; i < 4; ++i) {
            Draw("button.checkbox", TRect{sx + 12, y + 56 + i * 20, sx + 25, y + 69 + i * 20}, checkFrames[i]);
            Text(sx + 31, y + 56 + i * 20, QString::fromLatin1(checks[i]));
        }
        Draw("button.radiobutton", TRect{sx + 12, y + 140, sx + 25, y + 153}, 5);
        Text(sx + 31, y + 140, QStringLiteral("Stereo"));
        Draw("button.radiobutton", TRect{sx + 80, y + 140, sx + 93, y + 153}, 1);
        Text(sx + 99, y + 140, QStringLiteral("Mono"));
        // VBR quality slider, ticks on top.
        for (int t = 0; t <= 9; ++t)
            Fill(TRect{sx + 18 + t * 12, y + 163, sx + 19 + t * 12, y + 167}, 0x808080);
        Draw("TrackBar.Track", TRect{sx + 14, y + 170, sx + 130, y + 176});
        Draw("TrackBar.ThumbTop", TRect{sx + 52, y + 168, sx + 57, y + 179}, 1);

        y = list.Bottom + 12;
        Draw("Progress.Bar", TRect{x, y, x + 340, y + 16});
        Draw("Progress.Chunk", TRect{x + 2, y + 2, x + 2 + 200, y + 14});
        y += 28;
        const char* labels[] = {"Start", "Stop", "Refresh", "Output"};
        const int frames[] = {5, 1, 2, 4};
        for (int i = 0; i < 4; ++i) {
            const TRect button{x + i * 85, y, x + i * 85 + 75, y + 25};
            Draw("Button.Pushbutton", button, frames[i]);
            Centred(button, QString::fromLatin1(labels[i]), i == 3 ? 0x969696 : 0x000000);
        }
        Draw("edit", TRect{x + 350, y + 1, x + 488, y + 24});
        Text(x + 356, y + 6, QStringLiteral("Output"));
    }

    void StatusBar(int left, int bottom, int right)
    {
        const TRect bar{left, bottom - 20, right, bottom};
        Draw("status", bar);
        Draw("status.pane", TRect{left, bar.Top, left + 200, bottom});
        Text(left + 8, bar.Top + 4, QStringLiteral("Ripping Track 3 - 62%"));
        Draw("status.gripper", TRect{right - 14, bottom - 14, right, bottom});
    }

private:
    const TTeThemeMsStyles& theme_;
    TCanvas& canvas_;
};

}  // namespace

void SaveWindowMock(const TTeThemeMsStyles& theme, const QString& pngFile)
{
    TteBitmap sheet;
    sheet.SetSize(1100, 460);
    sheet.Fill(0xFF8C9BAF);
    TMock mock(theme, sheet.Canvas());
    const int bw = theme.BorderWidth(), top = theme.CaptionBarHeight() + bw;
    mock.Window(20, 20, 520, 400, true);
    mock.MainWindowContent(20 + bw, 20 + top);
    mock.StatusBar(20 + bw, 420 - bw, 540 - bw);
    mock.Window(560, 20, 520, 400, false);
    mock.MainWindowContent(560 + bw, 20 + top);
    mock.StatusBar(560 + bw, 420 - bw, 1080 - bw);
    SaveBitmapToPng(sheet, pngFile);
    // Close-ups at four times the size: the caption's right end, and the controls at the bottom left.
    QString base = pngFile;
    base.chop(base.endsWith(QStringLiteral(".png")) ? 4 : 0);
    const QImage whole = sheet.ToImage();
    const QRect closeUps[] = {{300, 14, 250, 120}, {14, 250, 250, 120}, {330, 250, 220, 175}};
    for (int i = 0; i < 3; ++i)
        whole.copy(closeUps[i])
            .scaled(closeUps[i].size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(QStringLiteral("%1-zoom%2.png").arg(base).arg(i + 1));
}
