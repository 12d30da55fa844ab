#pragma once
// Text laid out as the platform's DrawText lays it out: its format flags (with their numeric
// values, so stored data may carry them), accelerator prefixes, tab stops, word breaks and ellipses.
#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QString>

constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;

// Widths of text in one font, in whole pixels; tabs (when expanded) stop every eight average
// character widths from the start of the line.
class TTextMeasure {
public:
    TTextMeasure(const QFont& font, bool expandTabs);
    int Width(const QString& text) const;
    // Left edge of each tab-separated piece of text, in the order of the pieces.
    QList<int> PieceOffsets(const QList<QString>& pieces) const;
    const QFontMetrics& Metrics() const { return metrics_; }
    bool ExpandTabs() const { return expandTabs_; }

private:
    QFont font_;
    QFontMetrics metrics_;
    bool expandTabs_;
    // Only with expandTabs.
    int tabWidth_ = 1;
};

struct TTextLine {
    QString Text;        // as drawn: prefixes resolved
    int Underline = -1;  // index in Text of the accelerator character, -1 for none
    int Width = 0;
};

// The lines of text for a rectangle width pixels wide under the format flags. Without
// DT_SINGLELINE a CR, LF or CR LF ends a line; DT_WORDBREAK breaks at spaces before a word that
// would pass the right edge (a word longer than the width keeps a line of its own); DT_END_ELLIPSIS
// shortens a line that is too wide so that it ends with "..."; without DT_NOPREFIX "&" marks the
// next character as the accelerator (the last marked one of a line is underlined) and "&&" is "&".
// Tabs are blanks unless DT_EXPANDTABS.
QList<TTextLine> LayoutText(const QString& text, unsigned format, int width, const TTextMeasure& measure);

// Whether key is the accelerator character that "&" marks in text (case ignored; "&&" marks none).
bool IsAccel(QChar key, const QString& text);
