#include "controls/frame/ApplicationChain.h"

#include "framework/Application.h"

struct TApplicationChain::TLink {
    std::function<void()> minimize;
    std::function<void()> restore;
    TNotifyEvent previousMinimize;
    TNotifyEvent previousRestore;
    // The link chained before this one, when it was a frame's.
    std::weak_ptr<TLink> below;
};

namespace {

// The link whose handlers the application calls first.
std::weak_ptr<TApplicationChain::TLink>& Top()
{
    static std::weak_ptr<TApplicationChain::TLink> top;
    return top;
}

}  // namespace

TApplicationChain::TApplicationChain(std::function<void()> minimize, std::function<void()> restore)
    : link_(std::make_shared<TLink>())
{
    link_->minimize = std::move(minimize);
    link_->restore = std::move(restore);
    link_->previousMinimize = Application->OnMinimize;
    link_->previousRestore = Application->OnRestore;
    link_->below = Top();
    // The handlers keep the link alive: a link whose frame went away still passes on.
    std::shared_ptr<TLink> link = link_;
    Application->OnMinimize = [link](TObject* sender) {
        if (link->minimize)
            link->minimize();
        if (link->previousMinimize)
            link->previousMinimize(sender);
    };
    Application->OnRestore = [link](TObject* sender) {
        if (link->restore)
            link->restore();
        if (link->previousRestore)
            link->previousRestore(sender);
    };
    Top() = link_;
}

TApplicationChain::~TApplicationChain()
{
    link_->minimize = nullptr;
    link_->restore = nullptr;
    if (Top().lock() != link_)
        return;
    Application->OnMinimize = link_->previousMinimize;
    Application->OnRestore = link_->previousRestore;
    Top() = link_->below;
}
