#pragma once
// The framework's group box: a framed container with a caption in its top edge, in classic 3-D style.
#include <QString>

#include "framework/CustomControl.h"

class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

protected:
    void Paint() override;

private:
    QString caption_;
};
