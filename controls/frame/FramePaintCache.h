#pragma once
// What the frame keeps between paints: the persistent buffer with the key of the frame it shows, the
// generation that dates frames painted before a theme change, and the window's small icon rendered
// once per icon.
#include <QIcon>
#include <QString>
#include <optional>

#include "controls/frame/FormOptions.h"
#include "graphics/Bitmap.h"
#include "theme/ThemeRecords.h"

// Everything a painted frame depends on: a frame painted for an equal key need not be painted again.
struct TFrameKey {
    int Width = 0;
    int Height = 0;
    bool Active = false;
    TteFormHit Hot = TteFormHit::kfhNothing;
    TteFormHit Pressed = TteFormHit::kfhNothing;
    bool LeftDown = false;
    bool Moving = false;
    TTeWindowState State = TTeWindowState::kwsNormal;
    TTeBorderIcons Icons;
    TTeBorderStyle Style = TTeBorderStyle::kbsStandard;
    QString Caption;
    qint64 Icon = 0;
    // Bumped by every change of the theme or of how the frame finds it.
    int Generation = 0;
    bool operator==(const TFrameKey&) const = default;
};

class TFramePaintCache {
public:
    // The theme, or the way it is found, changed: frames painted before are out of date.
    void FrameChanged() { ++generation_; }
    int Generation() const { return generation_; }

    // The persistent buffer, sized for a window of width x height; what it showed is forgotten.
    void SizePersistent(int width, int height);
    // What the persistent buffer shows is out of date (the look or the buffer's use changed).
    void ForgetPersistent() { persistentKey_.reset(); }
    TteBitmap& Persistent() { return persistent_; }
    // paint draws the frame of key onto the persistent buffer unless the buffer shows it already.
    template <typename Paint>
    void PaintPersistent(const TFrameKey& key, Paint&& paint)
    {
        if (key == persistentKey_)
            return;
        // Forgotten first: a paint that fails leaves no key for a half-painted buffer.
        persistentKey_.reset();
        paint(persistent_);
        persistentKey_ = key;
    }

    // icon as a small alpha-blended bitmap of size x size, rendered again only when icon changes.
    const TteBitmap& SmallIcon(const QIcon& icon, int size);

private:
    TteBitmap persistent_;
    std::optional<TFrameKey> persistentKey_;
    int generation_ = 0;
    TteBitmap icon_;
    qint64 iconKey_ = 0;
};
