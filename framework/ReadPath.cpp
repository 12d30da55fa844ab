#include "framework/ReadPath.h"

QString TReadPath::Text() const
{
    if (parent_ == nullptr)
        return root_ ? root_() : QString();
    QString text = parent_->Text();
    if (index_ >= 0)
        return text + u'[' + QString::number(index_) + u']';
    if (!text.isEmpty())
        text += u'.';
    return text + part_;
}
