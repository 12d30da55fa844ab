#include "theme/ThemeManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "framework/Control.h"
#include "framework/Messages.h"
#include "framework/MessageWindow.h"
#include "framework/Messaging.h"
#include "framework/Stream.h"
#include "graphics/Platform.h"
#include "theme/BackgroundPainters.h"
#include "theme/CustomThemeLink.h"
#include "theme/SavedFonts.h"

// Turns the platform's palette, screen and style changes into the messages the manager's hidden
// window handles.
class TteThemeManager::TSystemEvents : public QObject {
public:
    explicit TSystemEvents(QObject* window) : window_(window)
    {
        auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
        if (application == nullptr)
            return;
        application->installEventFilter(this);
        const auto watchScreen = [this](QScreen* screen) {
            connect(screen, &QScreen::geometryChanged, this, [this] { Send(WM_DISPLAYCHANGE); });
        };
        for (QScreen* screen : QGuiApplication::screens())
            watchScreen(screen);
        connect(application, &QGuiApplication::screenAdded, this, [this, watchScreen](QScreen* screen) {
            watchScreen(screen);
            Send(WM_DISPLAYCHANGE);
        });
        connect(application, &QGuiApplication::screenRemoved, this, [this] { Send(WM_DISPLAYCHANGE); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance()) {
            Send(WM_SYSCOLORCHANGE);
        } else if (event->type() == QEvent::ThemeChange && !themeChangePending_ &&
                   (watched == QCoreApplication::instance() || watched->isWindowType())) {
            // The platform tells every top-level window; one broadcast serves them all.
            themeChangePending_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    themeChangePending_ = false;
                    Send(WM_THEMECHANGED);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Send(std::uint32_t msg) { SendMessage(window_, msg); }

    QObject* window_;
    bool themeChangePending_ = false;
};

namespace {

std::unique_ptr<TteThemeManager>& ManagerInstance()
{
    static std::unique_ptr<TteThemeManager> manager;
    return manager;
}

}  // namespace

TteThemeManager::TteThemeManager() : TComponent(nullptr)
{
    window_ = std::make_unique<TMessageWindow>([this](TMessage& message) { HandleSystemMessage(message); });
    systemEvents_ = std::make_unique<TSystemEvents>(window_.get());
}

TteThemeManager::~TteThemeManager()
{
    systemEvents_.reset();
    current_.reset();
}

std::unique_ptr<TteTheme> TteThemeManager::ExchangeCurrentTheme(std::unique_ptr<TteTheme> theme)
{
    std::swap(current_, theme);
    return theme;
}

bool TteThemeManager::IsTarget(TComponent* target) const
{
    return target != nullptr && std::any_of(targets_.begin(), targets_.end(), [target](TComponent* t) { return t == target; });
}

int TteThemeManager::AddTarget(TComponent* target)
{
    targets_.removeIf([](TComponent* t) { return t == nullptr; });
    const auto found = std::find_if(targets_.begin(), targets_.end(), [target](TComponent* t) { return t == target; });
    if (found != targets_.end())
        return static_cast<int>(found - targets_.begin());
    targets_.append(TComponentRef<TComponent>(target));
    return static_cast<int>(targets_.size() - 1);
}

void TteThemeManager::RemoveTarget(TComponent* target)
{
    targets_.removeIf([target](TComponent* t) { return t == nullptr || t == target; });
}

int TteThemeManager::TargetCount() const
{
    return static_cast<int>(std::count_if(targets_.begin(), targets_.end(), [](TComponent* t) { return t != nullptr; }));
}

void TteThemeManager::Broadcast(std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam)
{
    const bool colors = msg == TE_THEMECHANGE && wParam == static_cast<std::intptr_t>(TteThemeChange::ktcColors);
    // Taken before the first is told: a target may unregister or free others while it is told.
    const QList<TComponentRef<TComponent>> targets = targets_;
    for (TComponent* target : targets) {
        if (target == nullptr || !IsTarget(target))
            continue;
        if (const auto* widget = dynamic_cast<const QWidget*>(target); colors && widget != nullptr && !widget->isVisible())
            continue;
        if (const auto* control = dynamic_cast<const TControl*>(target); colors && control != nullptr &&
                                                                          !control->ShowingOnScreen())
            continue;
        Perform(target, msg, wParam, lParam);
    }
}

QObject* TteThemeManager::UtilityWindow() const
{
    return window_.get();
}

void TteThemeManager::HandleSystemMessage(TMessage& message)
{
    if (message.Msg == WM_THEMECHANGED)
        UpdateVisualStylesActive();
    if (message.Msg == WM_SYSCOLORCHANGE || message.Msg == WM_DISPLAYCHANGE || message.Msg == WM_THEMECHANGED)
        Broadcast(TE_THEMECHANGE, static_cast<std::intptr_t>(TteThemeChange::ktcColors), 0);
}

TteThemeManager& ThemeManager()
{
    std::unique_ptr<TteThemeManager>& manager = ManagerInstance();
    if (!manager) {
        manager = std::make_unique<TteThemeManager>();
        manager->ThemeClasses.append(&ThemeClassOf<TteTheme>());
        RegisterFrameworkBackgroundPainters();
    }
    return *manager;
}

void FinalizeThemeManager()
{
    ClearBackgroundPainters();
    ManagerInstance().reset();
    ClearSavedFonts();
}

void RegisterThemeClass(const TteThemeClass& themeClass)
{
    ThemeManager().ThemeClasses.append(&themeClass);
}

void UnregisterThemeClass(const TteThemeClass& themeClass)
{
    ThemeManager().ThemeClasses.removeAll(&themeClass);
}

int GetThemeClassCount()
{
    return ManagerInstance() ? static_cast<int>(ManagerInstance()->ThemeClasses.size()) : 0;
}

const TteThemeClass* GetThemeClass(int index)
{
    if (index < 0 || index >= GetThemeClassCount())
        return nullptr;
    return ManagerInstance()->ThemeClasses[index];
}

TteTheme* CurrentTheme()
{
    return ManagerInstance() ? ManagerInstance()->CurrentTheme() : nullptr;
}

bool HasCurrentTheme()
{
    return CurrentTheme() != nullptr;
}

namespace {

void BroadcastChange(TteThemeChange change, std::intptr_t lParam = 0)
{
    ThemeManager().Broadcast(TE_THEMECHANGE, static_cast<std::intptr_t>(change), lParam);
}

}  // namespace

void SetCurrentTheme(TteTheme* theme)
{
    if (theme == nullptr) {
        ClearCurrentTheme();
        return;
    }
    std::unique_ptr<TteTheme> owned(theme);
    TteThemeManager& manager = ThemeManager();
    if (theme == manager.CurrentTheme()) {
        owned.release();
        return;
    }
    BroadcastChange(TteThemeChange::ktcChanging);
    const bool replacing = manager.CurrentTheme() != nullptr;
    manager.ExchangeCurrentTheme(std::move(owned)).reset();
    BroadcastChange(replacing ? TteThemeChange::ktcReplaced : TteThemeChange::ktcAssigned);
    BroadcastChange(TteThemeChange::ktcChanged);
}

void ClearCurrentTheme()
{
    BroadcastChange(TteThemeChange::ktcChanging);
    ThemeManager().ExchangeCurrentTheme(nullptr).reset();
    BroadcastChange(TteThemeChange::ktcRemoved);
    BroadcastChange(TteThemeChange::ktcChanged);
}

namespace {

// The first kind, in registration order, that loads streams and names the extension in its filter.
const TteThemeClass* ClassForExtension(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.isEmpty())
        return nullptr;
    const QString extension = QLatin1Char('.') + suffix.toLower();
    for (int i = 0; i < GetThemeClassCount(); ++i) {
        const TteThemeClass* themeClass = GetThemeClass(i);
        const TteThemeConfig config = themeClass->GetThemeConfig();
        if (config.CanLoadStream && config.Filter.toLower().contains(extension))
            return themeClass;
    }
    return nullptr;
}

}  // namespace

TteTheme* LoadThemeFromFile(const QString& fileName)
{
    if (fileName.isEmpty())
        return nullptr;
    QString path = fileName;
    if (!QFileInfo(path).isFile()) {
        if (path.size() <= 1 || path.at(1) == QLatin1Char(':'))
            return nullptr;
        path = QDir(QCoreApplication::applicationDirPath()).filePath(path);
        if (!QFileInfo(path).isFile())
            return nullptr;
    }
    try {
        if (const TteThemeClass* themeClass = ClassForExtension(path)) {
            std::unique_ptr<TteTheme> theme = themeClass->Create();
            return theme->LoadFromFile(path) ? theme.release() : nullptr;
        }
        TFileStream stream(path, TFileMode::fmOpenRead);
        return LoadThemeFromStream(stream);
    } catch (const EStreamError&) {
        // A file that cannot be opened or is cut short loads no theme.
        return nullptr;
    }
}

TteTheme* LoadThemeFromStream(TStream& stream)
{
    const std::int64_t position = stream.Position();
    const TteThemeClass* accepted = nullptr;
    for (int i = 0; i < GetThemeClassCount() && accepted == nullptr; ++i) {
        const TteThemeClass* themeClass = GetThemeClass(i);
        bool valid = false;
        try {
            valid = themeClass->IsValidStream(stream);
        } catch (const EStreamError&) {
            // Too short to be this kind's data.
        }
        stream.SetPosition(position);
        if (valid)
            accepted = themeClass;
    }
    if (accepted == nullptr)
        return nullptr;
    std::unique_ptr<TteTheme> theme = accepted->Create();
    try {
        if (theme->LoadFromStream(stream))
            return theme.release();
    } catch (const EStreamError&) {
        // A stream cut short loads no theme, as a refusal does.
    }
    // Like a refusing kind, a failed load leaves the stream where it was.
    stream.SetPosition(position);
    return nullptr;
}

void SaveThemeToStream(TteTheme* theme, TStream& stream)
{
    if (theme != nullptr && theme->ThemeClass().GetThemeConfig().CanSave)
        theme->SaveToStream(stream);
}

int AddThemeNotification(TComponent* target)
{
    if (target == nullptr)
        return -1;
    TteThemeManager& manager = ThemeManager();
    if (manager.IsTarget(target))
        return manager.AddTarget(target);
    const int index = manager.AddTarget(target);
    if (manager.CurrentTheme() != nullptr)
        Perform(target, TE_THEMECHANGE, static_cast<std::intptr_t>(TteThemeChange::ktcAssigned), 0);
    return index;
}

void RemoveThemeNotification(TComponent* target)
{
    if (ManagerInstance())
        ManagerInstance()->RemoveTarget(target);
}

void NotifyThemeLinkChanged(TteCustomThemeLink* link)
{
    const auto value = reinterpret_cast<std::intptr_t>(link);
    ThemeManager().Broadcast(TE_THEMELINKCHANGE, value, value);
}

void SetThemeDeltaHue(int delta)
{
    if (TteTheme* theme = CurrentTheme(); theme != nullptr && delta != 0) {
        theme->SetDeltaHue(delta);
        BroadcastChange(TteThemeChange::ktcColors, 1);
    }
}

void SetThemeDeltaBrightness(int delta)
{
    if (TteTheme* theme = CurrentTheme(); theme != nullptr && delta != 0) {
        theme->SetDeltaBrightness(delta);
        BroadcastChange(TteThemeChange::ktcColors, 1);
    }
}

void SetThemeDeltas(int hue, int brightness)
{
    if (TteTheme* theme = CurrentTheme(); theme != nullptr && (hue != 0 || brightness != 0)) {
        theme->SetDeltas(hue, brightness);
        BroadcastChange(TteThemeChange::ktcColors, 1);
    }
}
