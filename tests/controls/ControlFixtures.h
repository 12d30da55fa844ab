#pragma once
// Small controls and themes for the control tests: a plain custom control without a background
// painter, a small themed control, a transparent windowless control, a framed box drawn by the
// theme's group-box operations, a theme that lists what it draws and where objects go, and a link.
#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "controls/core/ParentBackground.h"
#include "controls/core/TeControl.h"
#include "controls/core/TeGraphicControl.h"
#include "framework/Brush.h"
#include "framework/CustomControl.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "graphics/BitmapRegistry.h"
#include "theme/CustomThemeLink.h"
#include "theme/Theme.h"
#include "theme/ThemedElements.h"

inline void FillWith(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(rect);
}

// A custom control of the framework, with no background painter: left half Color, right half Accent.
class TPlainControl : public TCustomControl {
public:
    explicit TPlainControl(TComponent* owner = nullptr) : TCustomControl(owner) {}
    TColor Accent = clBlue;

protected:
    void Paint() override
    {
        FillWith(Canvas(), Rect(0, 0, Width() / 2, Height()), Color());
        FillWith(Canvas(), Rect(Width() / 2, 0, Width(), Height()), Accent);
    }
};

// A small themed control: Color (or, when Transparent, what lies beneath) with a 2 × 2 red mark at
// (2, 2). It records its paints and can be told to fail.
class TSampleControl : public TTeControl {
public:
    explicit TSampleControl(TComponent* owner = nullptr) : TTeControl(owner) {}

    bool Transparent = false;
    bool Throws = false;
    int Paints = 0;
    int LiveBitmapsWhilePainting = -1;
    bool PaintedOnBitmap = false;

    using TTeControl::GetInnerRect;
    // A hot look of its own, as concrete controls have: repaint on entering and leaving.
    void MouseEnter() override
    {
        TTeControl::MouseEnter();
        Invalidate();
    }
    void MouseLeave() override
    {
        TTeControl::MouseLeave();
        Invalidate();
    }

protected:
    void PaintControl() override
    {
        ++Paints;
        LiveBitmapsWhilePainting = LiveBitmapCount();
        PaintedOnBitmap = FindBitmapBySurface(Canvas().Device()) != nullptr;
        if (Throws)
            throw Exception(QStringLiteral("Paint failed"));
        if (Transparent)
            DrawParentBackground(this, *Canvas().Handle());
        else
            TTeControl::PaintControl();
        FillWith(Canvas(), Rect(2, 2, 4, 4), clRed);
    }
};

// A transparent windowless control: what lies beneath it, with a 2 × 2 lime mark at (1, 1).
class TSampleGraphic : public TTeGraphicControl {
public:
    explicit TSampleGraphic(TComponent* owner = nullptr) : TTeGraphicControl(owner) {}
    int Paints = 0;

protected:
    void PaintControl() override
    {
        ++Paints;
        DrawParentBackground(this, *Canvas().Handle());
        FillWith(Canvas(), Rect(1, 1, 3, 3), clLime);
    }
};

// An opaque windowless control filled with its Color.
class TSpot : public TGraphicControl {
public:
    explicit TSpot(TComponent* owner = nullptr) : TGraphicControl(owner) {}

protected:
    void Paint() override { FillWith(Canvas(), ClientRect(), Color()); }
};

// A container framed by the theme's group-box drawing when the theme draws group boxes, else by
// a black frame on Color.
class TFramedBox : public TTeControl {
public:
    explicit TFramedBox(TComponent* owner = nullptr) : TTeControl(owner) {}

protected:
    void PaintControl() override
    {
        FillWith(Canvas(), ClientRect(), Color());
        if (IsGroupBoxThemed(0, ThemeObject(), ThemeLink())) {
            Theme()->DrawGroupBox(0, Canvas(), TteGroupBoxInfo{Rect(3, 8, Width() - 2, Height() - 2), {}, 0},
                                  QStringLiteral("default"));
        } else {
            Canvas().Brush()->SetColor(clBlack);
            Canvas().FrameRect(Rect(3, 8, Width() - 2, Height() - 2));
        }
    }
};

// Draws buttons, check boxes, labels and group boxes (with the abstract theme's stand-ins) for the
// object names in Themed; prescribes Bounds by object name.
class TListedTheme : public TteTheme {
public:
    explicit TListedTheme(QSet<QString> themed = {}, QHash<QString, TRect> bounds = {})
        : Themed(std::move(themed)), Bounds(std::move(bounds))
    {
    }
    bool IsButtonAvailable(TteKind, const QString& objectName) override { return Themed.contains(objectName); }
    bool IsCheckBoxAvailable(TteKind, const QString& objectName) override { return Themed.contains(objectName); }
    bool IsLabelAvailable(TteKind, const QString& objectName) override { return Themed.contains(objectName); }
    bool IsGroupBoxAvailable(TteKind, const QString& objectName) override { return Themed.contains(objectName); }
    TRect GetObjectBounds(const QString& objectName) override { return Bounds.value(objectName); }

    QSet<QString> Themed;
    QHash<QString, TRect> Bounds;
};

// A link that supplies whatever theme it is given (not owned).
class TFixedLink : public TteCustomThemeLink {
public:
    explicit TFixedLink(TteTheme* theme = nullptr) : TteCustomThemeLink(nullptr), Supplied(theme) {}
    TteTheme* GetTheme() const override { return Supplied; }
    TteTheme* Supplied;
};

// Lets the pending paints (and what they post) run.
inline void FlushPaints()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// A shown top-level form of the given client size with the control on it.
struct TShownForm {
    TOwned<TForm> owned{MakeOwned<TForm>(nullptr)};
    TForm& form{*owned};
    explicit TShownForm(int width = 160, int height = 120)
    {
        form.SetBounds(0, 0, width, height);
        form.SetColor(RGB(200, 200, 200));
        form.Show();
        if (!QTest::qWaitForWindowExposed(form.Handle()))
            ADD_FAILURE() << "the form was never shown";
    }
    // Makes the form the active window, so that its controls can take the focus.
    void Activate()
    {
        form.Handle()->activateWindow();
        if (!QTest::qWaitForWindowActive(form.Handle()))
            ADD_FAILURE() << "the form never became active";
    }
};
