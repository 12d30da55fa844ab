// The registry of skin object classes, their stored properties, and how one object is read and
// written inside a skin.
#include <QStringList>
#include <functional>
#include <typeinfo>
#include <vector>

#include "framework/ClassRegistry.h"
#include "framework/ComponentStream.h"
#include "framework/Filer.h"
#include "framework/ObjectText.h"
#include "framework/PropInfo.h"
#include "framework/Stream.h"
#include "graphics/StoredString.h"
#include "themes/SkinObjectClasses.h"

namespace {

struct TSkinClass {
    QString Name;
    const std::type_info* Type;
    std::function<TSeSkinObject*(TComponent*)> Create;
};

template <class T>
TSkinClass Entry(const char* name)
{
    return {QString::fromLatin1(name), &typeid(T), [](TComponent* owner) -> TSeSkinObject* { return new T(owner); }};
}

// In registration order.
const std::vector<TSkinClass>& SkinClasses()
{
    static const std::vector<TSkinClass> classes = {
        Entry<TSeSkinObject>("TSeSkinObject"),
        Entry<TSeActiveObject>("TSeActiveObject"),
        Entry<TSeBitmapObject>("TSeBitmapObject"),
        Entry<TSeActiveBitmap>("TSeActiveBitmap"),
        Entry<TSeSystemButton>("TSeSystemButton"),
        Entry<TSeButtonObject>("TSeButtonObject"),
        Entry<TSeTextObject>("TSeTextObject"),
        Entry<TSeLinkSkinObject>("TSeLinkSkinObject"),
        Entry<TSeBitmapSkinObject>("TSeBitmapSkinObject"),
        Entry<TSeFormBitmapSkinObject>("TSeFormBitmapSkinObject"),
        Entry<TSeSysButtonSkinObject>("TSeSysButtonSkinObject"),
        Entry<TSeActiveSkinObject>("TSeActiveSkinObject"),
        Entry<TSeColorButtonObject>("TSeColorButtonObject"),
        Entry<TSeBitmapBoxObject>("TSeBitmapBoxObject"),
        Entry<TSeActiveBitmapBoxObject>("TSeActiveBitmapBoxObject"),
        Entry<TSeButtonBitmapBoxObject>("TSeButtonBitmapBoxObject"),
        Entry<TSeRollPanelObject>("TSeRollPanelObject"),
    };
    return classes;
}

const TSkinClass* FindSkinClass(const QString& name)
{
    for (const TSkinClass& entry : SkinClasses())
        if (entry.Name == name)
            return &entry;
    return nullptr;
}

QString SkinClassName(const TSeSkinObject& object)
{
    for (const TSkinClass& entry : SkinClasses())
        if (*entry.Type == typeid(object))
            return entry.Name;
    return QStringLiteral("TSeSkinObject");
}

// Objects inside objects are read by nested component readers, whose own nesting limit starts
// afresh at each level; this one holds across them.
constexpr int kMaxSkinNesting = 32;
int readingDepth = 0;

class TNestingGuard {
public:
    TNestingGuard()
    {
        if (readingDepth >= kMaxSkinNesting)
            throw EFilerError(QStringLiteral("Damaged skin: objects nested deeper than %1 levels").arg(kMaxSkinNesting));
        ++readingDepth;
    }
    ~TNestingGuard() { --readingDepth; }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;
};

// A stored description may nest framework components of any registered class; a skin holds only
// skin objects.
void CheckOnlySkinObjects(const TComponent& component)
{
    for (int i = 0; i < component.ComponentCount(); ++i) {
        const TComponent* child = component.Components(i);
        if (dynamic_cast<const TSeSkinObject*>(child) == nullptr)
            throw EFilerError(QStringLiteral("Damaged skin: %1 holds a component that is no skin object")
                                  .arg(component.Name()));
        CheckOnlySkinObjects(*child);
    }
}

const QStringList kAlignNames = {"saNone", "saLeft", "saMostLeft", "saTop", "saMostTop", "saRight",
                                 "saMostRight", "saBottom", "saMostBottom", "saClient", "saTopLeft",
                                 "saTopRight", "saBottomLeft", "saBottomRight", "saCenter", "saText",
                                 "saTopRightAngle", "saAll"};
const QStringList kKindNames = {"skNone", "skForm", "skCaption", "skTitle", "skTop", "skLeft", "skRight",
                                "skBottom", "skTopLeft", "skTopRight", "skBottomLeft", "skBottomRight",
                                "skSysButton", "skClient", "skMenuBar", "skMenuBarItem", "skMenuBarItemText",
                                "skPopupMenu", "skPopupMenuItem", "skPopupMenuItemText", "skItemText",
                                "skTranparentOnly", "skTranparent", "skRoundMask", "skNoMask"};
const QStringList kTextAlignNames = {"taTopLeft", "taTopCenter", "taTopRight", "taLeft", "taCenter",
                                     "taRight", "taBottomLeft", "taBottomCenter", "taBottomRight"};
const QStringList kTextEffectNames = {"teNone", "teShadow"};
const QStringList kTileStyleNames = {"tsTile", "tsStretch", "tsCenter", "tsVertCenterStretch",
                                     "tsVertCenterTile", "tsHorzCenterStretch", "tsHorzCenterTile"};
const QStringList kActionNames = {"sbaNone", "sbaClose", "sbaHelp", "sbaMinimize", "sbaMaximize", "sbaRestore",
                                  "sbaRollUp", "sbaRollDown", "sbaTray", "sbaSysMenu", "sbaRollPanel", "sbaCustom"};
const QStringList kRollKindNames = {"rkLeft", "rkTop", "rkRight", "rkBottom"};

template <class T, class Link>
auto LinkOf(Link (T::*get)() const)
{
    return [get](const T& object) -> TteBitmapLink* { return &(object.*get)(); };
}

template <class T>
auto FontOf(TFont& (T::*get)() const)
{
    return [get](const T& object) -> TFont* { return &(object.*get)(); };
}

void RegisterProps()
{
    RegisterProperties<TteBitmapLink>()
        .String("Name", &TteBitmapLink::Name, &TteBitmapLink::SetName)
        .Integer("Left", &TteBitmapLink::Left, &TteBitmapLink::SetLeft, 0)
        .Integer("Top", &TteBitmapLink::Top, &TteBitmapLink::SetTop, 0)
        .Integer("Right", &TteBitmapLink::Right, &TteBitmapLink::SetRight, 0)
        .Integer("Bottom", &TteBitmapLink::Bottom, &TteBitmapLink::SetBottom, 0);

    using O = TSeSkinObject;
    RegisterProperties<O, TComponent>()
        .Enumeration("Align", &O::Align, &O::SetAlign, kAlignNames, TSeAlign::saNone)
        .Color("Color", &O::Color, &O::SetColor, clWhite)
        .Boolean("DrawIfOwner", &O::DrawIfOwner, &O::SetDrawIfOwner, false)
        .Object("Font", FontOf(&O::Font))
        .Enumeration("Kind", &O::Kind, &O::SetKind, kKindNames)
        .Boolean("Masked", &O::Masked, &O::SetMasked, true)
        .Integer("Left", &O::Left, &O::SetLeft, 0)
        .Integer("Top", &O::Top, &O::SetTop, 0)
        .Integer("Height", &O::Height, &O::SetHeight, 0)
        .Integer("Width", &O::Width, &O::SetWidth, 0)
        .Integer("MarginLeft", &O::MarginLeft, &O::SetMarginLeft, 0)
        .Integer("MarginRight", &O::MarginRight, &O::SetMarginRight, 0)
        .Integer("MarginTop", &O::MarginTop, &O::SetMarginTop, 0)
        .Integer("MarginBottom", &O::MarginBottom, &O::SetMarginBottom, 0)
        .Enumeration("TextAlign", &O::TextAlign, &O::SetTextAlign, kTextAlignNames, TSeTextAlign::taLeft)
        .Enumeration("TextEffect", &O::TextEffect, &O::SetTextEffect, kTextEffectNames, TSeTextEffect::teNone)
        .Integer("TextMarginLeft", &O::TextMarginLeft, &O::SetTextMarginLeft, 0)
        .Boolean("TextShiftSysIton", &O::TextShiftSysIcon, &O::SetTextShiftSysIcon, false)
        .Integer("TextMarginRight", &O::TextMarginRight, &O::SetTextMarginRight, 0)
        .Boolean("TextMarginRightStretch", &O::TextMarginRightStretch, &O::SetTextMarginRightStretch, false)
        .Integer("TextMarginTop", &O::TextMarginTop, &O::SetTextMarginTop, 0);

    RegisterProperties<TSeActiveObject, O>()
        .Color("ActiveColor", &TSeActiveObject::ActiveColor, &TSeActiveObject::SetActiveColor, clWhite)
        .Object("ActiveFont", FontOf(&TSeActiveObject::ActiveFont))
        .Object("DisabledFont", FontOf(&TSeActiveObject::DisabledFont));
    RegisterProperties<TSeActiveSkinObject, O>()
        .Color("ActiveColor", &TSeActiveSkinObject::ActiveColor, &TSeActiveSkinObject::SetActiveColor, clWhite)
        .Object("ActiveFont", FontOf(&TSeActiveSkinObject::ActiveFont));

    using B = TSeBitmapObject;
    RegisterProperties<B, O>()
        .Object("Bitmap", LinkOf(&B::Bitmap))
        .Enumeration("BorderTileStyle", &B::BorderTileStyle, &B::SetBorderTileStyle, kTileStyleNames,
                     TscTileStyle::tsTile)
        .Enumeration("TileStyle", &B::TileStyle, &B::SetTileStyle, kTileStyleNames, TscTileStyle::tsTile)
        .Boolean("MaskedBorder", &B::MaskedBorder, &B::SetMaskedBorder, true)
        .Boolean("MaskedAngles", &B::MaskedAngles, &B::SetMaskedAngles, true);
    RegisterProperties<TSeActiveBitmap, B>()
        .Object("ActiveBitmap", LinkOf(&TSeActiveBitmap::ActiveBitmap))
        .Object("ActiveFont", FontOf(&TSeActiveBitmap::ActiveFont));
    RegisterProperties<TSeSystemButton, TSeActiveBitmap>()
        .Enumeration("Action", &TSeSystemButton::Action, &TSeSystemButton::SetAction, kActionNames,
                     TSeAction::sbaNone)
        .Object("BitmapHot", LinkOf(&TSeSystemButton::BitmapHot))
        .Object("BitmapPressed", LinkOf(&TSeSystemButton::BitmapPressed));
    RegisterProperties<TSeButtonObject, B>()
        .Object("BitmapHot", LinkOf(&TSeButtonObject::BitmapHot))
        .Object("BitmapFocused", LinkOf(&TSeButtonObject::BitmapFocused))
        .Object("BitmapPressed", LinkOf(&TSeButtonObject::BitmapPressed))
        .Object("BitmapDisabled", LinkOf(&TSeButtonObject::BitmapDisabled));
    RegisterProperties<TSeTextObject, O>()
        .Object("FontHot", FontOf(&TSeTextObject::FontHot))
        .Object("FontFocused", FontOf(&TSeTextObject::FontFocused))
        .Object("FontPressed", FontOf(&TSeTextObject::FontPressed))
        .Object("FontDisabled", FontOf(&TSeTextObject::FontDisabled));
    RegisterProperties<TSeLinkSkinObject, O>().String("LinkControl", &TSeLinkSkinObject::LinkControl,
                                                      &TSeLinkSkinObject::SetLinkControl);

    using S = TSeBitmapSkinObject;
    RegisterProperties<S, O>()
        .Object("Bitmap", LinkOf(&S::Bitmap))
        .Enumeration("TileStyle", &S::TileStyle, &S::SetTileStyle, kTileStyleNames, TscTileStyle::tsTile);
    RegisterProperties<TSeFormBitmapSkinObject, S>().Object("InactiveBitmap",
                                                            LinkOf(&TSeFormBitmapSkinObject::InactiveBitmap));
    RegisterProperties<TSeSysButtonSkinObject, S>()
        .Enumeration("Action", &TSeSysButtonSkinObject::Action, &TSeSysButtonSkinObject::SetAction, kActionNames,
                     TSeAction::sbaNone)
        .Object("BitmapHover", LinkOf(&TSeSysButtonSkinObject::BitmapHover))
        .Object("BitmapDown", LinkOf(&TSeSysButtonSkinObject::BitmapDown))
        .String("RollPanel", &TSeSysButtonSkinObject::RollPanel, &TSeSysButtonSkinObject::SetRollPanel);

    using C = TSeColorButtonObject;
    RegisterProperties<C, O>()
        .Color("HotColor", &C::HotColor, &C::SetHotColor, clWhite)
        .Object("HotFont", FontOf(&C::HotFont))
        .Color("PressedColor", &C::PressedColor, &C::SetPressedColor, clWhite)
        .Object("PressedFont", FontOf(&C::PressedFont))
        .Color("FocusedColor", &C::FocusedColor, &C::SetFocusedColor, clWhite)
        .Object("FocusedFont", FontOf(&C::FocusedFont))
        .Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor, clWhite)
        .Object("DisabledFont", FontOf(&C::DisabledFont));

    RegisterProperties<TSeBitmapBoxObject, S>().Enumeration("BorderTileStyle", &TSeBitmapBoxObject::BorderTileStyle,
                                                           &TSeBitmapBoxObject::SetBorderTileStyle, kTileStyleNames,
                                                           TscTileStyle::tsTile);
    RegisterProperties<TSeActiveBitmapBoxObject, TSeBitmapBoxObject>().Object(
        "FocusedBitmap", LinkOf(&TSeActiveBitmapBoxObject::FocusedBitmap));
    RegisterProperties<TSeButtonBitmapBoxObject, TSeBitmapBoxObject>()
        .Object("HotBitmap", LinkOf(&TSeButtonBitmapBoxObject::HotBitmap))
        .Object("FocusedBitmap", LinkOf(&TSeButtonBitmapBoxObject::FocusedBitmap))
        .Object("PressedBitmap", LinkOf(&TSeButtonBitmapBoxObject::PressedBitmap))
        .Object("DisabledBitmap", LinkOf(&TSeButtonBitmapBoxObject::DisabledBitmap));
    RegisterProperties<TSeRollPanelObject, O>()
        .Enumeration("RollKind", &TSeRollPanelObject::RollKind, &TSeRollPanelObject::SetRollKind, kRollKindNames,
                     TSeRollKind::rkLeft)
        .Integer("RollValue", &TSeRollPanelObject::RollValue, &TSeRollPanelObject::SetRollValue, 0);
}

}  // namespace

void RegisterSkinObjectClasses()
{
    static const bool registered = [] {
        // The framework writes a component's class name into its stored description.
        for (const TSkinClass& entry : SkinClasses())
            RegisterClass(entry.Name, *entry.Type,
                          [create = entry.Create](TComponent* owner) -> TComponent* { return create(owner); });
        RegisterProps();
        return true;
    }();
    (void)registered;
}

QStringList SkinObjectClassNames()
{
    QStringList names;
    for (const TSkinClass& entry : SkinClasses())
        names << entry.Name;
    return names;
}

TSeSkinObject* CreateSkinObjectLike(const TSeSkinObject& object, TComponent* owner)
{
    for (const TSkinClass& entry : SkinClasses())
        if (*entry.Type == typeid(object))
            return entry.Create(owner);
    return new TSeSkinObject(owner);
}

TSeSkinObject* CreateSkinObject(const QString& className, TComponent* owner)
{
    const TSkinClass* found = FindSkinClass(className);
    for (const char* infix : {"Se", "Tw"}) {
        if (found != nullptr || className.size() <= 3)
            break;
        found = FindSkinClass(className.left(1) + QLatin1String(infix) + className.mid(3));
    }
    return found != nullptr ? found->Create(owner) : nullptr;
}

TSeSkinObject* ReadSkinObject(TStream& stream, TComponent* owner, bool binary)
{
    RegisterSkinObjectClasses();
    TNestingGuard guard;
    const QString className = ReadStoredString(stream);
    // Both forms store a count and the bytes (the text form counts its Latin-1 characters).
    const std::int32_t size = ReadInt32(stream);
    if (size < 0 || size > stream.Size() - stream.Position())
        throw EReadError(QStringLiteral("Damaged skin: the data of a %1 is cut short").arg(className));
    QByteArray bytes;
    // Objects nested in objects would be copied once per level: memory is read in place.
    if (const auto* memory = dynamic_cast<const TMemoryStream*>(&stream)) {
        bytes = QByteArray::fromRawData(memory->Memory() + stream.Position(), size);
        stream.Seek(size, TSeekOrigin::soCurrent);
    } else {
        bytes = QByteArray(size, Qt::Uninitialized);
        stream.ReadBuffer(bytes.data(), size);
    }
    TSeSkinObject* object = CreateSkinObject(className, owner);
    if (object == nullptr)
        throw EClassNotFound(QStringLiteral("Damaged skin: unknown skin object class \"%1\"").arg(className));
    try {
        if (!binary) {
            // The text is parsed as the bytes it is stored in, without a copy in wide characters,
            // into about half its room (its binary data is in hexadecimal digits).
            TMemoryStream parsed;
            parsed.Reserve(bytes.size() / 2 + 256);
            ObjectLatin1TextToBinary(bytes, parsed);
            bytes = parsed.Bytes();
        }
        TMemoryStream data(bytes);
        ReadComponent(data, object);
        CheckOnlySkinObjects(*object);
    } catch (...) {
        object->Free();
        throw;
    }
    object->SetCharset(DEFAULT_CHARSET);
    return object;
}

void WriteSkinObject(TStream& stream, const TSeSkinObject& object, bool binary)
{
    RegisterSkinObjectClasses();
    WriteStoredString(stream, SkinClassName(object));
    if (binary) {
        TMemoryStream data;
        WriteComponent(data, object);
        WriteInt32(stream, static_cast<std::int32_t>(data.Size()));
        stream.WriteBuffer(data.Memory(), data.Size());
    } else {
        WriteStoredString(stream, ComponentToString(object));
    }
}
