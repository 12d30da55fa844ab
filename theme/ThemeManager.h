#pragma once
// The theme manager: the registered theme kinds, the application's current theme, loading themes
// from files and streams, and the theme notifications that themed controls listen to.
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

#include "framework/ComponentRef.h"
#include "theme/Theme.h"

class TStream;
class TMessageWindow;

constexpr std::uint32_t TE_THEMECHANGE = 0x800;
constexpr std::uint32_t TE_THEMELINKCHANGE = 0x801;

// The WParam of TE_THEMECHANGE.
enum class TteThemeChange : std::intptr_t {
    ktcReplaced = 0,
    ktcChanging = 1,
    ktcChanged = 2,
    ktcAssigned = 3,  // also sent to a target registered while a theme is current
    ktcRemoved = 4,
    ktcColors = 5,  // hue, brightness, system colours or display; LParam 1 for hue and brightness
};

// The one process-wide manager; the free functions below act on it.
class TteThemeManager : public TComponent {
public:
    TteThemeManager();
    ~TteThemeManager() override;

    // In registration order, which is the order files and streams are offered in.
    QList<const TteThemeClass*> ThemeClasses;

    TteTheme* CurrentTheme() const { return current_.get(); }
    // Takes ownership of theme and frees the previous one.
    std::unique_ptr<TteTheme> ExchangeCurrentTheme(std::unique_ptr<TteTheme> theme);

    bool IsTarget(TComponent* target) const;
    // Answers the target's place in the list; a target already there stays where it is.
    int AddTarget(TComponent* target);
    void RemoveTarget(TComponent* target);
    // The targets registered and not freed since.
    int TargetCount() const;
    // Sends the message to every target in registration order; a target removed by an earlier
    // one's handling is skipped. Colour changes reach only visible controls.
    void Broadcast(std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam);

    // The hidden window that receives the platform's colour, display and style changes.
    QObject* UtilityWindow() const;

private:
    class TSystemEvents;
    void HandleSystemMessage(TMessage& message);

    std::unique_ptr<TteTheme> current_;
    // A freed target reads nullptr here until the next change of the list drops it.
    QList<TComponentRef<TComponent>> targets_;
    std::unique_ptr<TMessageWindow> window_;
    std::unique_ptr<TSystemEvents> systemEvents_;
};

// The manager, created with its first use (which registers the abstract theme as the first kind).
TteThemeManager& ThemeManager();
// Frees the manager and with it the current theme (at shut-down).
void FinalizeThemeManager();

// Appends a kind (no duplicate check): RegisterThemeClass(ThemeClassOf<TTeFlatTheme>()).
void RegisterThemeClass(const TteThemeClass& themeClass);
// Takes a kind out again (when its module ends).
void UnregisterThemeClass(const TteThemeClass& themeClass);
int GetThemeClassCount();
// nullptr when index is out of range.
const TteThemeClass* GetThemeClass(int index);

// The application theme, or nullptr.
TteTheme* CurrentTheme();
bool HasCurrentTheme();
// Makes theme current (taking ownership) and frees the previous one; broadcasts 1, then 0 (there
// was one) or 3 (there was none), then 2. The theme already current is left as it is; nullptr clears.
void SetCurrentTheme(TteTheme* theme);
// Frees the current theme; broadcasts 1, 4, 2.
void ClearCurrentTheme();

// A theme of the kind the file's extension names, else of the first kind that recognises the
// file's content; nullptr when the file is missing or no kind reads it. A name that is not found
// is looked for beside the program unless it carries a drive ("C:..."). The caller owns the theme.
TteTheme* LoadThemeFromFile(const QString& fileName);
// A theme of the first registered kind that recognises the stream at its position; the position is
// restored after every refusal. nullptr when none does or the load fails. The caller owns the theme.
TteTheme* LoadThemeFromStream(TStream& stream);
// Saves theme when its kind can save.
void SaveThemeToStream(TteTheme* theme, TStream& stream);

// Registers target for TE_THEMECHANGE and TE_THEMELINKCHANGE (once); sends it 3 at once when a
// theme is current. Targets that are controls get colour changes only while shown on the screen. A
// target that is freed is no longer told, whether or not it unregistered.
int AddThemeNotification(TComponent* target);
void RemoveThemeNotification(TComponent* target);

class TteCustomThemeLink;
// Broadcasts TE_THEMELINKCHANGE with the link in WParam and LParam.
void NotifyThemeLinkChanged(TteCustomThemeLink* link);

// On the current theme; each broadcasts 5 with LParam 1. A zero delta alone is ignored.
void SetThemeDeltaHue(int delta);
void SetThemeDeltaBrightness(int delta);
void SetThemeDeltas(int hue, int brightness);
