#include "theme/BackgroundPainters.h"

#include <QGroupBox>
#include <QList>

#include "framework/Brush.h"
#include "framework/Canvas.h"

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

const TteBackgroundPainter* FindBackgroundPainter(const QObject* parent)
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

void RegisterGroupBoxBackgroundPainter()
{
    RegisterBackgroundPainter<QGroupBox>([](TCanvas& canvas, const TteBackgroundPaintInfo& info) {
        const QColor color = info.Parent->palette().color(info.Parent->backgroundRole());
        canvas.Brush()->SetColor(RGB(color.red(), color.green(), color.blue()));
        canvas.FillRect(info.ChildBounds);
        return true;
    });
}

void ClearBackgroundPainters()
{
    Painters().clear();
}
