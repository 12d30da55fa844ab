#include "controls/frame/ShowAnimation.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "controls/frame/FormOptions.h"
#include "framework/Component.h"
#include "graphics/Animation.h"
#include "graphics/AnimationRec.h"
#include "graphics/Bitmap.h"
#include "graphics/WidgetBlit.h"

namespace {

// Covers the window while the transition runs: the effects draw each step into the stage, the
// overlay shows it, and it goes away by itself once the slot is free again.
class TShowOverlay : public QWidget {
public:
    TShowOverlay(QWidget& window, const TTeAnimation& settings, const QImage& picture, const QImage& behind)
        : QWidget(&window), record_(MakeOwned<TteAnimationRec>(nullptr))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(window.rect());
        // A copy: the settings may change or go while the transition plays.
        record_->Assign(&settings.Record());
        record_->SetEnabled(true);
        new_.Assign(picture);
        old_.Assign(behind);
        stage_.Assign(behind);
        connect(&repaint_, &QTimer::timeout, this, &TShowOverlay::Follow);
    }

    ~TShowOverlay() override
    {
        // The slot draws into the stage and reads both pictures: it ends before they go.
        if (slot_ >= 0 && IsAnimating(slot_))
            FinishAnimation(slot_, false);
    }

    bool Start()
    {
        slot_ = StartAnimation(stage_.Canvas(), 0, 0, -1, *record_, new_, old_);
        if (slot_ < 0 || !IsAnimating(slot_))
            return false;
        raise();
        show();
        repaint_.start(kAnimationInterval);
        return true;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        BlitToWidget(painter, stage_, stage_.BoundsRect(), TPoint{0, 0});
    }

private:
    void Follow()
    {
        if (IsAnimating(slot_)) {
            update();
            return;
        }
        repaint_.stop();
        deleteLater();
    }

    TOwned<TteAnimationRec> record_;
    TteBitmap new_;
    TteBitmap old_;
    TteBitmap stage_;
    QTimer repaint_;
    int slot_ = -1;
};

}  // namespace

bool StartShowAnimation(QWidget& window, const TTeAnimation& settings, const QImage& picture, const QImage& behind)
{
    if (picture.size() != window.size() || behind.size() != window.size() || picture.isNull())
        return false;
    auto* overlay = new TShowOverlay(window, settings, picture, behind);
    if (overlay->Start())
        return true;
    delete overlay;
    return false;
}
