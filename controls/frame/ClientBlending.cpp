// Blending of the whole window with what lies behind it: the window's opacity where the platform
// has one, else the frame and the client background composed over the captured background.
#include <QWidget>
#include <cmath>

#include "controls/frame/TeDefaultForm.h"
#include "controls/frame/WindowOpacity.h"
#include "framework/Form.h"
#include "graphics/RectUtils.h"

bool TTeDefaultForm::BlendsOffScreen() const
{
    return Blending().Enabled() && !PlatformHasWindowOpacity();
}

void TTeDefaultForm::ApplyWindowOpacity()
{
    TForm* form = Form();
    if (form == nullptr)
        return;
    const bool byWindow = Blending().Enabled() && PlatformHasWindowOpacity();
    const qreal opacity = byWindow ? Blending().Value() / 255.0 : 1.0;
    if (std::abs(form->Handle()->windowOpacity() - opacity) > 1e-6)
        form->Handle()->setWindowOpacity(opacity);
}

void TTeDefaultForm::PaintClientWidget(TCanvas& canvas, const TRect& rect)
{
    if (!BlendsOffScreen() || rect.IsEmpty()) {
        PaintClientLayers(canvas, rect);
        return;
    }
    // The background is composed at the blending's alpha over the screen behind it, then copied
    // opaque; the controls are drawn over it as they are.
    TteBitmap layer;
    layer.SetSize(rect.Width(), rect.Height());
    layer.Canvas().SetWindowOrg(rect.Left, rect.Top);
    PaintClientLayers(layer.Canvas(), rect);
    layer.Canvas().Handle()->EndPainting();
    const TRect client = Form()->ClientBounds();
    if (!capture_.Empty()) {
        layer.SetAlpha(Blending().Value());
        layer.DrawUnder(capture_.Picture(), 0, 0, OffsetRectBy(rect, client.Left, client.Top));
    }
    layer.SetAlpha(255);
    layer.SetAlphaBlend(false);
    layer.Draw(canvas, rect.Left, rect.Top);
}
