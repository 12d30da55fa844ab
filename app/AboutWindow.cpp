#include "app/AboutWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <functional>

#include "app/Logo.h"
#include "app/WebAddresses.h"
#include "controls/frame/TeForm.h"
#include "controls/widgets/TeLabel.h"
#include "framework/Application.h"
#include "framework/ComponentStream.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Shell.h"

namespace {

// The logo's side: the picture box is 50 pixels high inside the panel's bevel.
constexpr int kLogoSize = 44;
// Where the description puts the links, and the least room between a caption and its link there.
constexpr int kStoredLinkLeft = 87;
constexpr int kCaptionGap = 6;

class TForm2 : public TForm {
public:
    TForm2(TComponent* owner, TteCustomThemeLink* link) : TForm(owner)
    {
        methods_.Add("TeLabel13Click", this, &TForm2::TeLabel13Click);
        methods_.Add("TeLabel15Click", this, &TForm2::TeLabel15Click);
        methods_.Add("TeButton2Click", this, &TForm2::TeButton2Click);
        ReadComponentResource(*this, QStringLiteral(":/forms/AboutWindow.twc"));
        for (const char* frame : {"TeForm1", "TeForm2"})
            Find<TTeForm>(frame).SetThemeLink(link);
        Find<TImage>("Image6").SetPicture(TrackwellLogo(kLogoSize));
        Handle()->setWindowIcon(TrackwellIcon());
        Find<TTeLabel>("TeLabel13").SetCaption(QStringLiteral("Trackwell home page"));
        Find<TTeLabel>("TeLabel15").SetCaption(SupportMailAddress());
        KeepLinksClearOfCaptions();
    }

    const TMethodTable* MethodTable() const override { return &methods_; }

    // The stored places suit the narrow fonts the window was laid out in; wider faces (and bold ones
    // in a theme's fonts) would make a caption run into its link, so the links move right of the
    // widest caption, never left of where they are stored.
    void KeepLinksClearOfCaptions()
    {
        int clear = 0;
        for (const char* caption : {"TeLabel12", "TeLabel14"}) {
            const auto& label = Find<TTeLabel>(caption);
            clear = std::max(clear, label.Left() + label.Width() + kCaptionGap);
        }
        for (const char* link : {"TeLabel13", "TeLabel15"}) {
            auto& label = Find<TTeLabel>(link);
            label.SetLeft(std::max(kStoredLinkLeft, clear));
        }
    }

private:
    template <typename T>
    T& Find(const char* name) const
    {
        return dynamic_cast<T&>(*FindStored(QString::fromLatin1(name)));
    }
    // Searches the whole tree: the logo sits in the panel.
    TComponent* FindStored(const QString& name) const
    {
        std::function<TComponent*(const TComponent&)> search = [&](const TComponent& root) -> TComponent* {
            if (TComponent* found = root.FindComponent(name))
                return found;
            for (int i = 0; i < root.ComponentCount(); ++i)
                if (TComponent* found = search(*root.Components(i)))
                    return found;
            return nullptr;
        };
        return search(*this);
    }

    void TeLabel13Click(TObject*) { Open(HomePageAddress()); }
    void TeLabel15Click(TObject*) { Open(SupportMailLink()); }
    void TeButton2Click(TObject*) { Open(HomePageAddress()); }

    // A desktop without a handler for the address is told to the user, not passed over.
    static void Open(const QString& address)
    {
        if (!Shell().OpenUrl(address))
            throw Exception(QStringLiteral("Cannot open %1").arg(address));
    }

    TMethodTable methods_;
};

}  // namespace

TForm* CreateAboutWindow(TComponent* owner, TteCustomThemeLink* link)
{
    return new TForm2(owner, link);
}

int ShowAboutWindow(TForm& about)
{
    const TForm* main = Application->MainForm();
    const QRect area = main != nullptr && main != &about ? QRect(main->Left(), main->Top(), main->Width(), main->Height())
                                                         : QGuiApplication::primaryScreen()->availableGeometry();
    about.SetBounds(area.left() + (area.width() - about.Width()) / 2, area.top() + (area.height() - about.Height()) / 2,
                    about.Width(), about.Height());
    if (auto* form2 = dynamic_cast<TForm2*>(&about))
        form2->KeepLinksClearOfCaptions();
    return about.ShowModal();
}
