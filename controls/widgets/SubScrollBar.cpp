#include "controls/widgets/SubScrollBar.h"

#include <QEvent>
#include <QScrollBar>

#include "framework/Form.h"
#include "framework/StringGrid.h"

// Watches the grid's widget and its platform bars (with their containers, which the scroll area
// shows and hides) and resynchronises on every change of place, size, visibility or range.
class TTeSubScrollBar::TFollower : public QObject {
public:
    explicit TFollower(TTeSubScrollBar& owner) : owner_(owner)
    {
        QWidget* gridWidget = owner_.grid_->Handle();
        gridWidget->installEventFilter(this);
        for (Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
            QScrollBar* bar = owner_.grid_->PlatformScrollBar(orientation);
            bar->installEventFilter(this);
            if (bar->parentWidget() != nullptr && bar->parentWidget() != gridWidget)
                bar->parentWidget()->installEventFilter(this);
            connect(bar, &QAbstractSlider::rangeChanged, this, [this] { owner_.Synchronise(); });
            connect(bar, &QAbstractSlider::valueChanged, this, [this] { owner_.Synchronise(); });
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            owner_.Synchronise();
            break;
        case QEvent::ZOrderChange:
            if (watched == owner_.grid_->Handle())
                owner_.BringToFront();
            break;
        default:
            break;
        }
        return false;
    }

private:
    TTeSubScrollBar& owner_;
};

TTeSubScrollBar::TTeSubScrollBar(TStringGrid* grid) : TComponent(grid), grid_(grid)
{
    const auto make = [this](TTeScrollOrientation orientation, Qt::Orientation platform) {
        auto* inplace = new TTeInplaceScrollBar(this, orientation);
        inplace->SetVisible(false);
        QScrollBar* platformBar = grid_->PlatformScrollBar(platform);
        inplace->Bar()->OnScroll = [this, platformBar](TObject*, TScrollCode code, int& position) {
            Scrolled(platformBar, code, position);
        };
        return inplace;
    };
    vertical_ = make(TTeScrollOrientation::ksoVertical, Qt::Vertical);
    horizontal_ = make(TTeScrollOrientation::ksoHorizontal, Qt::Horizontal);
    follower_ = std::make_unique<TFollower>(*this);
}

TTeSubScrollBar::~TTeSubScrollBar() = default;

void TTeSubScrollBar::Destroying()
{
    TComponent::Destroying();
    // The grid is going: the bars stop following it.
    follower_.reset();
}

void TTeSubScrollBar::GridParentChanged()
{
    for (TTeInplaceScrollBar* inplace : {vertical_.Get(), horizontal_.Get()}) {
        if (inplace == nullptr)
            continue;
        if (grid_->Parent() != nullptr)
            inplace->SetParent(grid_->Parent());
        else
            inplace->SetParent(grid_->ParentForm());
    }
    Synchronise();
    BringToFront();
}

void TTeSubScrollBar::BringToFront()
{
    for (TTeInplaceScrollBar* inplace : {vertical_.Get(), horizontal_.Get()})
        if (inplace != nullptr)
            inplace->Handle()->raise();
}

void TTeSubScrollBar::Synchronise()
{
    if (follower_ == nullptr || ComponentState().Contains(TComponentStateFlag::csDestroying))
        return;
    if (vertical_ != nullptr)
        Synchronise(vertical_, grid_->PlatformScrollBar(Qt::Vertical));
    if (horizontal_ != nullptr)
        Synchronise(horizontal_, grid_->PlatformScrollBar(Qt::Horizontal));
}

void TTeSubScrollBar::Synchronise(TTeInplaceScrollBar* inplace, QScrollBar* platform)
{
    QWidget* gridWidget = grid_->Handle();
    QWidget* host = gridWidget->parentWidget();
    const bool shown = host != nullptr && grid_->Visible() && platform->isVisibleTo(gridWidget);
    if (!shown) {
        inplace->SetVisible(false);
        return;
    }
    const QPoint at = platform->mapTo(host, QPoint(0, 0));
    inplace->SetBounds(at.x(), at.y(), platform->width(), platform->height());
    TTeScrollBar* bar = inplace->Bar();
    // The platform bar counts positions; the themed one, as the platform's scroll information,
    // the whole range with the page inside it.
    bar->SetMin(platform->minimum());
    bar->SetMax(platform->maximum() + platform->pageStep() - 1);
    bar->SetPageSize(platform->pageStep());
    if (!sending_ && !bar->Dragging())
        bar->SetPosition(platform->value());
    bar->SetEnabled(grid_->Enabled());
    if (!inplace->Visible()) {
        inplace->SetVisible(true);
        inplace->Handle()->raise();
    }
    bar->Invalidate();
}

void TTeSubScrollBar::Scrolled(QScrollBar* platform, TScrollCode code, int& position)
{
    sending_ = true;
    switch (code) {
    case TScrollCode::scLineUp:
        platform->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case TScrollCode::scLineDown:
        platform->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case TScrollCode::scPageUp:
        platform->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case TScrollCode::scPageDown:
        platform->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case TScrollCode::scTrack:
        // Without thumb tracking the platform bar only remembers where the thumb is.
        platform->setSliderPosition(position);
        break;
    case TScrollCode::scPosition:
        platform->setValue(position);
        break;
    case TScrollCode::scTop:
        platform->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case TScrollCode::scBottom:
        platform->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    case TScrollCode::scEndScroll:
        break;
    }
    sending_ = false;
    if (code != TScrollCode::scTrack)
        position = platform->value();
}
