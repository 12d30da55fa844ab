#include "framework/ChangeLink.h"

TChangeLinks::~TChangeLinks()
{
    for (TChangeLinkBase* link : links_)
        link->links_ = nullptr;
}

void TChangeLinks::Changed() const
{
    // By index: a user may drop or add links while it is told.
    for (qsizetype i = 0; i < links_.size();) {
        TChangeLinkBase* link = links_[i];
        if (link->OnChange)
            link->OnChange();
        if (i < links_.size() && links_[i] == link)
            ++i;
    }
}

void TChangeLinkBase::Attach(TChangeLinks* links)
{
    if (links == links_)
        return;
    if (links_ != nullptr)
        links_->links_.removeOne(this);
    links_ = links;
    if (links_ != nullptr)
        links_->links_.append(this);
}
