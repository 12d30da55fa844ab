// Blending on a real X server: the window's opacity reaches the X window as the property the
// desktop's compositor reads, and the frame itself stays opaque (the compositor blends it, not us).
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/frame/TeForm.h"
#include "framework/Form.h"

namespace {

// The window's opacity property as xprop reads it: its value, or -1 when it is not set.
qint64 OpacityProperty(WId window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_WM_WINDOW_OPACITY")});
    if (!xprop.waitForFinished(5000))
        return -2;
    const QString out = QString::fromLocal8Bit(xprop.readAllStandardOutput());
    const qsizetype equals = out.indexOf(QLatin1Char('='));
    return equals < 0 ? -1 : out.mid(equals + 1).trimmed().toLongLong();
}

}  // namespace

TEST(BlendedWindow, TheOpacityReachesTheXWindow)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server: ctest runs it under xvfb-run";
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetBounds(100, 100, 320, 160);
    auto* frame = new TTeForm(form.get());
    frame->Gravitation().SetEnabled(false);
    frame->Blending().SetEnabled(true);
    frame->Loaded();
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Handle()));
    QCoreApplication::processEvents();
    const WId id = form->Handle()->winId();
    EXPECT_NEAR(static_cast<double>(OpacityProperty(id)), 150.0 / 255.0 * 0xFFFFFFFFu, 1.0);

    // Not composed by us as well: the frame is painted opaque.
    QImage picture;
    frame->PaintWindowImage(picture, true);
    EXPECT_EQ(qAlpha(picture.pixel(60, 10)), 255);

    frame->Blending().SetValue(40);
    QCoreApplication::processEvents();
    EXPECT_NEAR(static_cast<double>(OpacityProperty(id)), 40.0 / 255.0 * 0xFFFFFFFFu, 1.0);
    frame->Blending().SetEnabled(false);
    QCoreApplication::processEvents();
    const qint64 opaque = OpacityProperty(id);
    EXPECT_TRUE(opaque == -1 || opaque == 0xFFFFFFFF) << "fully opaque again, not " << opaque;
}
