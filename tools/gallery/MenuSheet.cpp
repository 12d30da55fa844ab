#include "tools/gallery/MenuSheet.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <functional>

#include "controls/TeItemView.h"
#include "controls/TeMenuBar.h"
#include "framework/Colors.h"
#include "framework/Form.h"
#include "framework/QtApplication.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "themes/FlatTheme.h"
#include "themes/MsStylesTheme.h"
#include "themes/OfficeXPTheme.h"
#include "themes/StoredThemes.h"
#include "themes/ThemeKinds.h"

namespace {

constexpr int kPanelWidth = 330;
constexpr int kPanelHeight = 190;
constexpr int kTitleHeight = 18;

struct TLook {
    QString Name;
    std::function<TteTheme*()> Make;
};

const QList<TLook>& Looks()
{
    static const QList<TLook> looks{
        {QStringLiteral("classic"), [] { return static_cast<TteTheme*>(nullptr); }},
        {QStringLiteral("Default"), [] { return static_cast<TteTheme*>(new TteBuiltTheme<TteTheme>()); }},
        {QStringLiteral("Flat"), [] { return static_cast<TteTheme*>(new TteBuiltTheme<TTeFlatTheme>()); }},
        {QStringLiteral("OfficeXP"), [] { return static_cast<TteTheme*>(new TteBuiltTheme<TTeOfficeXPTheme>()); }},
        {QStringLiteral("OSXTiger"),
         [] { return static_cast<TteTheme*>(CreateStoredTheme(QStringLiteral("OSXTiger")).release()); }},
    };
    return looks;
}

TTeItem* AddItem(TComponent* owner, TTeItem* parent, const char* caption)
{
    auto* item = new TTeItem(owner);
    item->SetCaption(QString::fromUtf8(caption));
    parent->Add(item);
    return item;
}

void SendKey(QWidget* window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
}

// The form with its bar, the popup and its submenu, as they stand on the screen.
QImage GrabOpenMenu()
{
    TOwned<TForm> form = MakeOwned<TForm>(nullptr);
    form->SetBounds(40, 40, kPanelWidth, kPanelHeight);
    form->SetColor(clBtnFace);
    auto* bar = new TTeMenuBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(0, 0, kPanelWidth, bar->Height());
    TTeItem* root = bar->Items();
    AddItem(form.get(), AddItem(form.get(), root, "&File"), "E&xit");
    TTeItem* operation = AddItem(form.get(), root, "&Operation");
    AddItem(form.get(), operation, "&Open CD")->SetShortCut(kShortCutCtrl | 'O');
    TTeItem* rip = AddItem(form.get(), operation, "&Rip");
    AddItem(form.get(), rip, "To &MP3")->SetChecked(true);
    AddItem(form.get(), rip, "To &WAV");
    AddItem(form.get(), operation, "-");
    AddItem(form.get(), operation, "&Stop")->SetEnabled(false);
    AddItem(form.get(), operation, "Open &folder");
    AddItem(form.get(), root, "&Encoder");
    TTeItem* help = AddItem(form.get(), root, "&Help");
    AddItem(form.get(), help, "&About...");
    form->Show();

    QImage picture(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
    QWidget* window = form->Handle();
    QTimer::singleShot(60, [window] {
        SendKey(window, Qt::Key_Down);
        SendKey(window, Qt::Key_Right);
    });
    QTimer::singleShot(300, [&picture, window] {
        QPainter painter(&picture);
        painter.drawPixmap(0, 0, window->grab());
        QList<TTeItemView*> levels;
        for (TTeItemView* view = TTeItemView::Innermost(); view != nullptr; view = view->ParentView())
            levels.prepend(view);
        for (TTeItemView* view : levels) {
            if (view->Window()->isWindow())
                painter.drawPixmap(view->Window()->pos() - window->pos(), view->Window()->grab());
        }
        if (TTeItemView* open = TTeItemView::Innermost())
            open->CloseAll();
    });
    bar->Enter(operation);
    return picture;
}

}  // namespace

bool IsMenuSheetCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--menu") == 0)
            return true;
    }
    return false;
}

int WriteMenuSheet(int argc, char** argv)
{
    TQtApplication application(argc, argv);
    QString out;
    QString only;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--theme") && i + 1 < args.size())
            only = args[++i];
        else if (args[i] != QLatin1String("--menu")) {
            std::fprintf(stderr, "unknown option %s\nusage: trackwell-gallery --menu [--theme NAME] --out FILE.png\n",
                         qPrintable(args[i]));
            return 2;
        }
    }
    if (out.isEmpty()) {
        std::fprintf(stderr, "usage: trackwell-gallery --menu [--theme NAME] --out FILE.png\n");
        return 2;
    }
    RegisterThemeKinds();
    QList<TLook> looks;
    for (const TLook& look : Looks()) {
        if (only.isEmpty() || look.Name.compare(only, Qt::CaseInsensitive) == 0)
            looks << look;
    }
    if (looks.isEmpty()) {
        std::fprintf(stderr, "no menu look \"%s\" (classic, Default, Flat, OfficeXP, OSXTiger)\n", qPrintable(only));
        return 2;
    }
    QImage sheet(static_cast<int>(looks.size()) * (kPanelWidth + 8) + 8, kPanelHeight + kTitleHeight + 16,
                 QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 96));
    for (qsizetype i = 0; i < looks.size(); ++i) {
        if (TteTheme* theme = looks[i].Make())
            SetCurrentTheme(theme);
        else
            ClearCurrentTheme();
        const QImage panel = GrabOpenMenu();
        ClearCurrentTheme();
        QPainter painter(&sheet);
        const int left = 8 + static_cast<int>(i) * (kPanelWidth + 8);
        painter.setPen(Qt::white);
        painter.drawText(QRect(left, 4, kPanelWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, looks[i].Name);
        painter.drawImage(left, 8 + kTitleHeight, panel);
    }
    if (!sheet.save(out, "PNG")) {
        std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(out));
        return 1;
    }
    FinalizeThemeManager();
    return 0;
}
