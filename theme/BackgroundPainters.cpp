#include "theme/BackgroundPainters.h"

#include <QList>

#include "framework/Brush.h"
#include "framework/Canvas.h"
#include "framework/Form.h"
#include "framework/GroupBox.h"

namespace {

struct TPainterEntry {
    TteBackgroundPainterClass Class;
    TteBackgroundPainter Painter;
    // For each earlier entry: whether this entry's class derives from it, and it from this one;
    // worked out once here so that looking up never throws.
    QList<bool> DerivesFromEarlier;
    QList<bool> EarlierDerivesFrom;
};

QList<TPainterEntry>& Painters()
{
    static QList<TPainterEntry> painters;
    return painters;
}

bool Derives(const QList<TPainterEntry>& painters, int derived, int base)
{
    if (derived == base)
        return true;
    return derived > base ? painters[derived].DerivesFromEarlier[base] : painters[base].EarlierDerivesFrom[derived];
}

}  // namespace

void RegisterBackgroundPainter(TteBackgroundPainterClass controlClass, TteBackgroundPainter painter)
{
    TPainterEntry entry{std::move(controlClass), std::move(painter), {}, {}};
    for (const TPainterEntry& earlier : Painters()) {
        entry.DerivesFromEarlier.append(earlier.Class.CatchesPointer(entry.Class.ThrowPointer));
        entry.EarlierDerivesFrom.append(entry.Class.CatchesPointer(earlier.Class.ThrowPointer));
    }
    Painters().append(std::move(entry));
}

const TteBackgroundPainter* FindBackgroundPainter(const TObject* parent)
{
    const QList<TPainterEntry>& painters = Painters();
    int chosen = -1;
    // From the last registration to the first; an earlier one wins only with a more derived class.
    for (int i = static_cast<int>(painters.size()) - 1; i >= 0; --i) {
        if (parent == nullptr || !painters[i].Class.IsInstance(parent))
            continue;
        if (chosen < 0 || (painters[i].Class.Type != painters[chosen].Class.Type && Derives(painters, i, chosen)))
            chosen = i;
    }
    return chosen < 0 ? nullptr : &painters[chosen].Painter;
}

bool IsBackgroundPainterRegistered(const std::type_info& controlClass)
{
    for (const TPainterEntry& entry : Painters())
        if (*entry.Class.Type == controlClass)
            return true;
    return false;
}

namespace {

bool FillWithColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
    return true;
}

}  // namespace

void RegisterFrameworkBackgroundPainters()
{
    RegisterBackgroundPainter<TGroupBox>([](TCanvas& canvas, const TteBackgroundPaintInfo& info) {
        return FillWithColor(canvas, info.ChildBounds, static_cast<const TGroupBox*>(info.Parent)->Color());
    });
    RegisterBackgroundPainter<TForm>([](TCanvas& canvas, const TteBackgroundPaintInfo& info) {
        return FillWithColor(canvas, info.ChildBounds, static_cast<const TForm*>(info.Parent)->Color());
    });
}

void ClearBackgroundPainters()
{
    Painters().clear();
}
