#include "graphics/Animation.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "framework/Application.h"
#include "framework/ComponentRef.h"
#include "framework/Timer.h"
#include "graphics/AnimationRec.h"
#include "graphics/Bitmap.h"
#include "graphics/EffectCompose.h"
#include "graphics/EffectRegistry.h"
#include "graphics/MulDiv.h"
#include "graphics/Stopwatch.h"

namespace {

struct TSlot {
    int Columns = 0;
    int Rows = 0;
    // The mask, and the grid a rotated procedure fills (or the stored mask of the bitmap effect).
    std::vector<std::uint8_t> Mask, SecondMask;
    std::vector<TteCellRecord> Cells, SecondCells;
    bool Active = false;
    bool Busy = false;
    float Clock = 0;
    TComponentRef<TteAnimationRec> Rec;
    TteBitmap* NewPicture = nullptr;
    TteBitmap* OldPicture = nullptr;
    std::unique_ptr<TteBitmap> Work;
    const TteProcItem* Effect = nullptr;
    bool BitmapDriven = false;
    // The grid's layout as it was at the start, whatever the record does meanwhile.
    int Resolution = 1;
    int TileCount = 1;
    TteRotation Rotation = TteRotation::krNone;
    TCanvas* Target = nullptr;
    int X = 0;
    int Y = 0;
};

// The process-wide state of the effects: the slots, the shared timer, its stopwatch and the
// generator of random effect choices. Made on first use (the timer needs the application) and
// freed with the application.
class TteMultiObject {
public:
    TteMultiObject() : random_(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()))
    {
        RegisterAnimationRecClass();
        timer_->SetInterval(kAnimationInterval);
        timer_->SetEnabled(false);
        timer_->OnTimer = [this](TObject*) { Tick(); };
    }

    std::array<TSlot, kAnimationSlotCount> Slots;

    void Tick()
    {
        stopwatch_.Start();
        for (int i = 0; i < kAnimationSlotCount; ++i)
            Step(i);
        // The reading counts in seconds against a clock in milliseconds: it keeps the clock moving
        // in real time without letting a slow step skip any of the steps after it.
        const auto elapsed = static_cast<float>(stopwatch_.Seconds());
        for (TSlot& slot : Slots)
            if (slot.Active)
                slot.Clock += elapsed;
    }

    void UpdateTimer()
    {
        timer_->SetEnabled(std::any_of(Slots.begin(), Slots.end(), [](const TSlot& s) { return s.Active; }));
    }
    bool TimerEnabled() const { return timer_->Enabled(); }

    const TteProcItem* RandomEffect()
    {
        const TteProcList& effects = Effects();
        if (effects.empty())
            return nullptr;
        std::uniform_int_distribution<std::size_t> pick(0, effects.size() - 1);
        return effects[pick(random_)].get();
    }

private:
    void Step(int index);

    TOwned<TTimer> timer_ = MakeOwned<TTimer>(nullptr);
    TteTimer stopwatch_;
    std::mt19937 random_;
};

TteMultiObject* instance = nullptr;

void FreeEffects()
{
    delete instance;
    instance = nullptr;
}

TteMultiObject& MultiObject()
{
    if (instance == nullptr) {
        instance = new TteMultiObject;
        qAddPostRoutine(FreeEffects);
    }
    return *instance;
}

bool ValidSlot(int slot)
{
    return slot >= 0 && slot < kAnimationSlotCount;
}

int RoundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

void FillStoredMask(TSlot& slot, const QImage& bitmap)
{
    const TSize size = RotatedGridSize(slot.Columns, slot.Rows, slot.Rotation);
    if (bitmap.isNull())
        return;
    const QImage stretched =
        bitmap.scaled(size.cx, size.cy, Qt::IgnoreAspectRatio, Qt::FastTransformation).convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < size.cy; ++j) {
        const auto* row = reinterpret_cast<const TteColor*>(stretched.constScanLine(j));
        for (int i = 0; i < size.cx; ++i)
            slot.SecondMask[static_cast<std::size_t>(j) * size.cx + i] = static_cast<std::uint8_t>(BlueOf(row[i]));
    }
    slot.Mask = slot.SecondMask;
}

void Allocate(TSlot& slot, const TteAnimationRec& rec)
{
    const std::size_t cells = static_cast<std::size_t>(slot.Columns) * slot.Rows;
    const bool rotated = slot.Rotation != TteRotation::krNone;
    if (slot.BitmapDriven) {
        slot.Mask.assign(cells, 0);
        slot.SecondMask.assign(cells, 0);
        FillStoredMask(slot, rec.Bitmap());
        return;
    }
    switch (slot.Effect->Kind) {
    case TteEffectKind::kekMask:
        slot.Mask.assign(cells, 0);
        if (rotated)
            slot.SecondMask.assign(cells, 0);
        break;
    case TteEffectKind::kekCells:
        slot.Cells.assign(cells, TteCellRecord{});
        if (rotated)
            slot.SecondCells.assign(cells, TteCellRecord{});
        break;
    case TteEffectKind::kekManual:
        break;
    }
}

void ComputeMask(TSlot& slot, int percent)
{
    const bool rotated = slot.Rotation != TteRotation::krNone;
    if (slot.BitmapDriven) {
        if (rotated)
            RotateMask(slot.SecondMask.data(), slot.Mask.data(), slot.Columns, slot.Rows, slot.Rotation);
        else
            slot.Mask = slot.SecondMask;
        const int rise = MulDiv(510, percent, 100) - 255;
        for (std::uint8_t& v : slot.Mask)
            v = static_cast<std::uint8_t>(std::clamp(v + rise, 0, 255));
        return;
    }
    const auto procedure = std::get<TteMaskProc>(slot.Effect->Proc);
    std::fill(slot.Mask.begin(), slot.Mask.end(), 0);
    if (!rotated) {
        procedure(slot.Mask.data(), slot.Columns, slot.Rows, percent);
        return;
    }
    const TSize size = RotatedGridSize(slot.Columns, slot.Rows, slot.Rotation);
    std::fill(slot.SecondMask.begin(), slot.SecondMask.end(), 0);
    procedure(slot.SecondMask.data(), size.cx, size.cy, percent);
    RotateMask(slot.SecondMask.data(), slot.Mask.data(), slot.Columns, slot.Rows, slot.Rotation);
}

void ComputeCells(TSlot& slot, int percent)
{
    const auto procedure = std::get<TteCellProc>(slot.Effect->Proc);
    std::fill(slot.Cells.begin(), slot.Cells.end(), TteCellRecord{});
    if (slot.Rotation == TteRotation::krNone) {
        procedure(slot.Cells.data(), slot.Columns, slot.Rows, percent);
        return;
    }
    const TSize size = RotatedGridSize(slot.Columns, slot.Rows, slot.Rotation);
    std::fill(slot.SecondCells.begin(), slot.SecondCells.end(), TteCellRecord{});
    procedure(slot.SecondCells.data(), size.cx, size.cy, percent);
    RotateCells(slot.SecondCells.data(), slot.Cells.data(), slot.Columns, slot.Rows, slot.Rotation);
}

// The new picture composed into the work picture (which holds the old one) for percent.
void ComposeFrame(TSlot& slot, TteAnimationRec& rec, int percent)
{
    TteBitmap& newPicture = *slot.NewPicture;
    TteBitmap& work = *slot.Work;
    const TteEffectKind kind = slot.BitmapDriven ? TteEffectKind::kekMask : slot.Effect->Kind;
    switch (kind) {
    case TteEffectKind::kekMask:
        ComputeMask(slot, percent);
        SetMaskAlpha(newPicture, slot.Mask.data(), slot.Columns, slot.Rows, slot.Resolution, slot.TileCount);
        ClearKeyAlpha(newPicture);
        newPicture.SetAlphaBlend(true);
        newPicture.Draw(work, 0, 0);
        break;
    case TteEffectKind::kekCells:
        ComputeCells(slot, percent);
        // Cells skip source pixels of alpha 0: so key pixels never show here either.
        ClearKeyAlpha(newPicture);
        ComposeCells(work, newPicture, slot.Cells.data(), slot.Columns, slot.Rows, slot.Resolution, slot.TileCount);
        break;
    case TteEffectKind::kekManual:
        ClearKeyAlpha(newPicture);
        std::get<TteManualProc>(slot.Effect->Proc)(work, newPicture, rec, percent);
        break;
    }
}

// Clears the busy flag at the end of a step, also when the step raised.
struct TBusy {
    explicit TBusy(TSlot& slot) : slot_(slot) { slot_.Busy = true; }
    ~TBusy() { slot_.Busy = false; }
    TSlot& slot_;
};

}  // namespace

void TteMultiObject::Step(int index)
{
    TSlot& slot = Slots[index];
    if (!slot.Active || slot.OldPicture == nullptr || slot.NewPicture == nullptr || !slot.Work)
        return;
    slot.Clock += kAnimationInterval;
    if (slot.Busy)
        return;
    TteAnimationRec* rec = slot.Rec;
    if (rec == nullptr) {
        FinishAnimation(index, false);
        return;
    }
    int percent = 0;
    {
        const TBusy busy(slot);
        percent = std::min(RoundEven(static_cast<double>(slot.Clock) / rec->Time() * 100), 100);
        slot.OldPicture->Draw(*slot.Work, 0, 0);
        ComposeFrame(slot, *rec, percent);
        slot.Work->Draw(*slot.Target, slot.X, slot.Y);
    }
    if (percent >= 100)
        FinishAnimation(index, false);
}

int StartAnimation(TCanvas& canvas, int x, int y, int slot, TteAnimationRec& rec, TteBitmap& newPicture,
                   TteBitmap& oldPicture)
{
    TteMultiObject& effects = MultiObject();
    if (slot == -1) {
        const auto free = std::find_if(effects.Slots.begin(), effects.Slots.end(), [](const TSlot& s) { return !s.Active; });
        if (free == effects.Slots.end())
            return -1;
        slot = static_cast<int>(free - effects.Slots.begin());
    }
    if (!ValidSlot(slot))
        return -1;
    if (effects.Slots[slot].Active)
        FinishAnimation(slot, false);
    TSlot& s = effects.Slots[slot];
    s.OldPicture = &oldPicture;
    s.NewPicture = &newPicture;
    s.Rec = &rec;
    if (oldPicture.Empty() || newPicture.Empty())
        return slot;

    const QString bitmapName = QLatin1String(kBitmapEffectName);
    s.BitmapDriven = rec.Effect().compare(bitmapName, Qt::CaseInsensitive) == 0;
    s.Effect = rec.Effect().compare(QLatin1String(kRandomEffectName), Qt::CaseInsensitive) == 0
                   ? effects.RandomEffect()
                   : FindEffect(rec.Effect());
    if (!s.BitmapDriven && s.Effect == nullptr)
        return slot;

    s.Resolution = rec.Resolution();
    s.TileCount = rec.TileCount();
    s.Rotation = rec.Rotation();
    s.Work = std::make_unique<TteBitmap>();
    s.Work->SetSize(oldPicture.Width(), oldPicture.Height());
    s.Columns = oldPicture.Width() / s.Resolution / s.TileCount + 1;
    s.Rows = oldPicture.Height() / s.Resolution / s.TileCount + 1;
    Allocate(s, rec);

    s.Clock = 0.01f;
    s.Busy = false;
    s.Target = &canvas;
    s.X = x;
    s.Y = y;
    s.Active = true;
    effects.UpdateTimer();
    return slot;
}

bool IsAnimating(int slot)
{
    return ValidSlot(slot) && instance != nullptr && instance->Slots[slot].Active;
}

void AnimateAndWait(TCanvas& canvas, int x, int y, TteAnimationRec& rec, TteBitmap& newPicture, TteBitmap& oldPicture)
{
    const int slot = StartAnimation(canvas, x, y, -1, rec, newPicture, oldPicture);
    while (IsAnimating(slot)) {
        Application->ProcessMessages();
        // Sleeps until the next tick instead of spinning.
        if (IsAnimating(slot))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void FinishAnimation(int slot, bool drawFinal)
{
    if (!ValidSlot(slot) || instance == nullptr)
        return;
    TSlot& s = instance->Slots[slot];
    if (drawFinal && s.Active && s.Work && s.NewPicture != nullptr && s.Target != nullptr) {
        // The last step's mask is still in the alpha: the final picture is the opaque one.
        s.NewPicture->SetAlpha(255);
        ClearKeyAlpha(*s.NewPicture);
        s.NewPicture->SetAlphaBlend(true);
        s.NewPicture->Draw(*s.Work, 0, 0);
        s.Work->Draw(*s.Target, s.X, s.Y);
    }
    s = TSlot();
    instance->UpdateTimer();
}

void AnimationTick()
{
    MultiObject().Tick();
}

bool AnimationTimerEnabled()
{
    return instance != nullptr && instance->TimerEnabled();
}
