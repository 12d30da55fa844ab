#pragma once
// The standard kinds of push button (caption, modal result and picture of each) and where a
// button's picture sits beside its caption.
#include <QString>
#include <QStringList>

class TteBitmap;

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

const QStringList& BitBtnKindNames();
const QStringList& ButtonLayoutNames();

struct TBitBtnKindInfo {
    const char* Caption;
    int ModalResult;
    // The name of the picture among the program's bitmaps.
    const char* GlyphName;
};
// Not for bkCustom.
const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind);

// The kind's picture, 32 × 16: a normal and a disabled cell of 16 × 16 on a ground whose colour the
// bottom-left pixel gives. Made the first time it is asked for and kept for the life of the process.
const TteBitmap& BitBtnKindGlyph(TBitBtnKind kind);
