#pragma once
// The framework's panel: a container filled with its colour inside up to two classic bevels
// (outer, then inner, BevelWidth pixels each), with an optional caption in the middle.
#include <QString>
#include <QStringList>

#include "framework/CustomControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };
const QStringList& PanelBevelNames();

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

protected:
    void Paint() override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    QString caption_;
};

// Registers the stored properties and the class (once, at start-up).
void RegisterPanel();
