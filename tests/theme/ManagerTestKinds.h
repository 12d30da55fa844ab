#pragma once
// Small theme kinds for the manager, engine, list and link tests: kinds that recognise a tagged
// stream or file, a kind built by name, and a target that records the notifications it gets.
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QWidget>
#include <tuple>

#include "framework/Stream.h"
#include "graphics/StoredString.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"

inline int& LiveTestThemes()
{
    static int count = 0;
    return count;
}

// A theme kind whose data is its four-byte tag followed by the theme's name as a stored string.
// Its elements are themed for the object names listed in Themed.
template <char Tag>
class TTaggedTheme : public TteTheme {
public:
    TTaggedTheme() { ++LiveTestThemes(); }
    ~TTaggedTheme() override { --LiveTestThemes(); }

    static QByteArray Magic() { return QByteArray("TST") + Tag; }
    static QByteArray Data(const QString& name)
    {
        TMemoryStream stream;
        stream.WriteBuffer(Magic().constData(), 4);
        WriteStoredString(stream, name);
        return stream.Bytes();
    }

    static QString GetThemeKindName() { return QStringLiteral("Tagged") + QLatin1Char(Tag); }
    static TteThemeConfig GetThemeConfig()
    {
        TteThemeConfig config;
        config.CanSave = true;
        config.CanLoadStream = true;
        config.Filter = QStringLiteral("Tagged themes (*.ts%1)|*.ts%1").arg(QChar(QLatin1Char(Tag)).toLower());
        return config;
    }
    static bool IsValidStream(TStream& stream)
    {
        QByteArray magic(4, '\0');
        stream.ReadBuffer(magic.data(), 4);
        return magic == Magic();
    }
    const TteThemeClass& ThemeClass() const override { return ThemeClassOf<TTaggedTheme>(); }

    bool LoadFromStream(TStream& stream) override
    {
        if (!IsValidStream(stream))
            return false;
        SetName(ReadStoredString(stream));
        return !Name().startsWith(QLatin1String("refuse"));
    }
    bool SaveToStream(TStream& stream) override
    {
        stream.WriteBuffer(Magic().constData(), 4);
        WriteStoredString(stream, Name());
        return true;
    }
    bool LoadFromFile(const QString& fileName) override
    {
        TFileStream stream(fileName, TFileMode::fmOpenRead);
        if (!LoadFromStream(stream))
            return false;
        SetFileName(fileName);
        return true;
    }

    bool IsButtonAvailable(TteKind, const QString& objectName) override { return Themed.contains(objectName); }
    bool IsFormAvailable(TteFormKind, const QString& objectName) override { return Themed.contains(objectName); }

    QSet<QString> Themed = {QStringLiteral("default")};
};
using TThemeA = TTaggedTheme<'A'>;
using TThemeB = TTaggedTheme<'B'>;

// A kind built by name, without data.
class TPlainTheme : public TteTheme {
public:
    TPlainTheme() { ++LiveTestThemes(); }
    ~TPlainTheme() override { --LiveTestThemes(); }
    static QString GetThemeKindName() { return QStringLiteral("Plain"); }
    static TteThemeConfig GetThemeConfig()
    {
        TteThemeConfig config;
        config.BuiltIn = true;
        return config;
    }
    const TteThemeClass& ThemeClass() const override { return ThemeClassOf<TPlainTheme>(); }
};

// Registers the test kinds after the abstract theme, on a fresh manager, and frees it afterwards.
struct TTestKinds {
    TTestKinds()
    {
        FinalizeThemeManager();
        RegisterThemeClass(ThemeClassOf<TPlainTheme>());
        RegisterThemeClass(ThemeClassOf<TThemeA>());
        RegisterThemeClass(ThemeClassOf<TThemeB>());
    }
    ~TTestKinds() { FinalizeThemeManager(); }
};

// Records every theme notification it gets as (message, WParam, LParam).
class TRecordingTarget : public TComponent {
public:
    TRecordingTarget() : TComponent(nullptr) {}
    using TEntry = std::tuple<std::uint32_t, std::intptr_t, std::intptr_t>;
    void Dispatch(TMessage& message) override
    {
        Log.append({message.Msg, message.WParam, message.LParam});
        if (OnMessage)
            OnMessage(message);
    }
    QList<std::intptr_t> Changes() const
    {
        QList<std::intptr_t> codes;
        for (const TEntry& entry : Log) {
            if (std::get<0>(entry) == TE_THEMECHANGE)
                codes.append(std::get<1>(entry));
        }
        return codes;
    }
    QList<TEntry> Log;
    std::function<void(TMessage&)> OnMessage;
};

// A control among the targets: a widget that records what it gets.
class TRecordingWidget : public TRecordingTarget, public QWidget {};

inline TteTheme* NewTheme(char tag, const QString& name)
{
    TteTheme* theme = tag == 'A' ? static_cast<TteTheme*>(new TThemeA) : new TThemeB;
    theme->SetName(name);
    return theme;
}
