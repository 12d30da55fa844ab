#include "framework/Reader.h"

#include <algorithm>
#include <cstring>

#include "framework/Collection.h"
#include "framework/ComponentStream.h"
#include "framework/PropInfo.h"
#include "framework/PropTable.h"

namespace {

QList<TComponent*>& GlobalComponents()
{
    static QList<TComponent*> roots;
    return roots;
}

[[noreturn]] void Fail(const QString& context, const QString& what)
{
    throw EPropertyError(QStringLiteral("Error reading %1: %2").arg(context, what));
}

[[noreturn]] void Fail(const TReadPath& path, const QString& what)
{
    Fail(path.Text(), what);
}

bool SameSpelling(const QString& name, QLatin1String ident)
{
    if (name.size() != ident.size())
        return false;
    for (qsizetype i = 0; i < ident.size(); ++i)
        if (name.at(i).unicode() != static_cast<unsigned char>(ident.at(i).toLatin1()))
            return false;
    return true;
}

qsizetype EnumIndex(const TPropInfo& info, QLatin1String ident)
{
    // Stored values nearly always have the registered spelling; case is ignored only after that.
    for (qsizetype i = 0; i < info.EnumNames.size(); ++i)
        if (SameSpelling(info.EnumNames.at(i), ident))
            return i;
    for (qsizetype i = 0; i < info.EnumNames.size(); ++i) {
        const QString& name = info.EnumNames.at(i);
        if (name.size() == ident.size() && name.compare(ident, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

}  // namespace

void RegisterGlobalComponent(TComponent* root)
{
    if (root != nullptr && !GlobalComponents().contains(root))
        GlobalComponents().append(root);
}

void UnregisterGlobalComponent(TComponent* root)
{
    GlobalComponents().removeOne(root);
}

TComponent* FindGlobalComponent(const QString& name)
{
    for (TComponent* root : GlobalComponents())
        if (root->Name().compare(name, Qt::CaseInsensitive) == 0)
            return root;
    return nullptr;
}

TReader::TReader(TStream& stream) : in_(stream) {}

TComponent* TReader::ReadRootComponent(TComponent* root, TComponent* owner)
{
    try {
        return ReadRoot(root, owner);
    } catch (...) {
        for (TComponent* component : loaded_) {
            component->SetReading(false);
            component->SetLoading(false);
        }
        // The last created first, so that no component is freed twice through its owner.
        for (qsizetype i = created_.size() - 1; i >= 0; --i)
            delete created_.at(i);
        throw;
    }
}

TComponent* TReader::ReadRoot(TComponent* root, TComponent* owner)
{
    in_.ReadSignature();
    const QString className = in_.ReadName();
    const QString name = in_.ReadName();
    if (root == nullptr) {
        root = GetClass(className).Create(owner);
        if (root == nullptr)
            throw EFilerError(QStringLiteral("Class %1 created nothing").arg(className));
        created_.append(root);
    }
    if (!name.isEmpty())
        root->SetName(name);
    root_ = root;
    StartComponent(root);
    ReadComponentBody(*root, 0);
    ResolveFixups();
    for (TComponent* component : loaded_)
        component->SetReading(false);
    for (TComponent* component : loaded_)
        component->Loaded();
    return root;
}

void TReader::StartComponent(TComponent* component)
{
    component->SetLoading(true);
    component->SetReading(true);
    loaded_.append(component);
}

TComponent* TReader::ReadComponent(TComponent* owner, int depth)
{
    if (depth > kMaxStreamNesting)
        TValueReader::Invalid(QStringLiteral("components nested too deeply"));
    const QString className = in_.ReadName();
    const QString name = in_.ReadName();
    TComponent* component = owner->FindComponent(name);
    if (component != nullptr) {
        // A component that its owner made itself is filled, not made again.
        if (StreamClassName(typeid(*component)).compare(className, Qt::CaseInsensitive) != 0)
            throw EFilerError(QStringLiteral("A component named %1 of class %2 already exists")
                                  .arg(name, StreamClassName(typeid(*component))));
        if (loaded_.contains(component))
            throw EFilerError(QStringLiteral("A component named %1 is stored twice").arg(name));
    } else {
        const TComponentClass& componentClass = GetClass(className);
        component = componentClass.Create(owner);
        if (component == nullptr)
            throw EFilerError(QStringLiteral("Class %1 created nothing").arg(className));
        created_.append(component);
        if (component->Owner() != owner)
            owner->InsertComponent(component);
        component->SetName(name);
        component->SetParentComponent(owner);
    }
    StartComponent(component);
    ReadComponentBody(*component, depth);
    return component;
}

void TReader::ReadComponentBody(TComponent& component, int depth)
{
    const TReadPath path([&component] {
        return component.Name().isEmpty() ? StreamClassName(typeid(component)) : component.Name();
    });
    ReadProperties(component, path, depth);
    while (in_.ReadChildMarker())
        ReadComponent(&component, depth + 1);
}

void TReader::ReadProperties(TPersistent& object, const TReadPath& path, int depth)
{
    const TPropTable& table = GetPropTable(object);
    qsizetype cursor = 0;
    for (QLatin1String name = in_.ReadNameView(); !name.isEmpty(); name = in_.ReadNameView())
        ReadProperty(object, table, cursor, name, path, depth);
}

void TReader::ReadProperty(TPersistent& object, const TPropTable& table, qsizetype& cursor,
                           QLatin1String storedName, const TReadPath& path, int depth)
{
    // The name lives in the value reader until its next read: keep it while the value is read.
    char copy[256];
    std::memcpy(copy, storedName.data(), static_cast<std::size_t>(storedName.size()));
    const QLatin1String name(copy, storedName.size());
    auto fullPath = [&] { return TReadPath(path, name).Text(); };
    // "Font.Height": the leading parts name owned objects.
    TPersistent* target = &object;
    const TPropTable* targetTable = &table;
    for (qsizetype start = 0;;) {
        // Names are short: a plain loop beats a call into the library.
        const char* found = std::find(copy + start, copy + name.size(), '.');
        const qsizetype dot = found != copy + name.size() ? found - copy : -1;
        const bool last = dot < 0;
        const QLatin1String part = name.sliced(start, (last ? name.size() : dot) - start);
        const TPropInfo* info = start == 0 ? targetTable->Find(part, cursor) : targetTable->Find(part);
        if (info != nullptr && last) {
            ReadValue(*target, *info, TReadPath(path, name), depth);
            return;
        }
        if (info != nullptr && info->Kind == TPropKind::pkClass) {
            target = std::get<TPersistent*>(info->Get(*target));
            if (target == nullptr)
                Fail(fullPath(), QStringLiteral("%1 is not assigned").arg(QString(part)));
            targetTable = &GetPropTable(*target);
            start = dot + 1;
            continue;
        }
        if (last) {
            definedName_ = QString(part);
            defined_ = false;
            target->DefineProperties(*this);
            if (defined_)
                return;
        }
        Fail(fullPath(), QStringLiteral("Property %1 does not exist in class %2")
                             .arg(QString(part), StreamClassName(typeid(*target))));
    }
}

void TReader::Assign(TPersistent& object, const TPropInfo& info, const TReadPath& path, const TPropValue& value)
{
    try {
        info.Set(object, value);
    } catch (const EPropertyError& error) {
        Fail(path, error.Message());
    }
}

void TReader::ReadValue(TPersistent& object, const TPropInfo& info, const TReadPath& path, int depth)
{
    const TValueType type = in_.ReadType();
    auto mismatch = [&]() {
        Fail(path, QStringLiteral("Invalid property value: %1 where %2 was expected")
                          .arg(ValueTypeDescription(type), [&] {
                              switch (info.Kind) {
                              case TPropKind::pkInteger:
                              case TPropKind::pkInt64: return QStringLiteral("an integer");
                              case TPropKind::pkBoolean: return QStringLiteral("a boolean");
                              case TPropKind::pkEnumeration: return QStringLiteral("an enumeration value");
                              case TPropKind::pkSet: return QStringLiteral("a set");
                              case TPropKind::pkString:
                              case TPropKind::pkWString: return QStringLiteral("a string");
                              case TPropKind::pkFloat: return QStringLiteral("a number");
                              case TPropKind::pkColor: return QStringLiteral("a colour");
                              case TPropKind::pkClass: return QStringLiteral("properties of the object");
                              case TPropKind::pkComponent: return QStringLiteral("a component name");
                              case TPropKind::pkMethod: return QStringLiteral("a method name");
                              case TPropKind::pkBinary: return QStringLiteral("binary data");
                              case TPropKind::pkStrings: return QStringLiteral("a list of strings");
                              }
                              return QString();
                          }()));
    };
    const bool integer = type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32 ||
                         type == TValueType::vaInt64;
    switch (info.Kind) {
    case TPropKind::pkInteger:
    case TPropKind::pkInt64:
        if (!integer)
            mismatch();
        Assign(object, info, path, in_.ReadIntegerBody(type));
        return;
    case TPropKind::pkBoolean:
        if (type != TValueType::vaTrue && type != TValueType::vaFalse)
            mismatch();
        Assign(object, info, path, type == TValueType::vaTrue);
        return;
    case TPropKind::pkEnumeration: {
        if (type != TValueType::vaIdent)
            mismatch();
        const QLatin1String ident = in_.ReadIdentView();
        const qsizetype index = EnumIndex(info, ident);
        if (index < 0)
            Fail(path, QStringLiteral("Invalid property value: %1 is not one of %2")
                           .arg(QString(ident), info.EnumNames.join(u',')));
        Assign(object, info, path, static_cast<std::int64_t>(index));
        return;
    }
    case TPropKind::pkSet: {
        if (type != TValueType::vaSet)
            mismatch();
        std::uint64_t bits = 0;
        for (QLatin1String ident = in_.ReadIdentView(); !ident.isEmpty(); ident = in_.ReadIdentView()) {
            const qsizetype index = EnumIndex(info, ident);
            if (index < 0 || index >= 64)
                Fail(path, QStringLiteral("Invalid property value: %1 is not one of %2")
                               .arg(QString(ident), info.EnumNames.join(u',')));
            bits |= std::uint64_t{1} << index;
        }
        Assign(object, info, path, static_cast<std::int64_t>(bits));
        return;
    }
    case TPropKind::pkString:
        if (type == TValueType::vaString) {
            Assign(object, info, path, in_.ReadString8Body());
        } else if (type == TValueType::vaWString) {
            const QString text = in_.ReadWStringBody();
            const QByteArray bytes = text.toLatin1();
            if (QString::fromLatin1(bytes) != text)
                Fail(path, QStringLiteral("Invalid property value: the text has characters beyond 8 bits"));
            Assign(object, info, path, bytes);
        } else {
            mismatch();
        }
        return;
    case TPropKind::pkWString:
        if (type == TValueType::vaString)
            Assign(object, info, path, in_.ReadString8BodyAsText());
        else if (type == TValueType::vaWString)
            Assign(object, info, path, in_.ReadWStringBody());
        else
            mismatch();
        return;
    case TPropKind::pkFloat:
        if (type == TValueType::vaDouble)
            Assign(object, info, path, in_.ReadDoubleBody());
        else if (integer)
            Assign(object, info, path, static_cast<double>(in_.ReadIntegerBody(type)));
        else
            mismatch();
        return;
    case TPropKind::pkColor:
        if (type == TValueType::vaIdent) {
            const QLatin1String ident = in_.ReadIdentView();
            TColor color = 0;
            if (!IdentToColor(ident, color))
                Fail(path, QStringLiteral("Invalid property value: %1 is not a colour").arg(QString(ident)));
            Assign(object, info, path, static_cast<std::int64_t>(color));
        } else if (integer) {
            Assign(object, info, path, in_.ReadIntegerBody(type));
        } else {
            mismatch();
        }
        return;
    case TPropKind::pkClass: {
        auto* collection = dynamic_cast<TCollection*>(std::get<TPersistent*>(info.Get(object)));
        if (type != TValueType::vaCollection || collection == nullptr)
            mismatch();
        ReadCollection(*collection, path, depth + 1);
        return;
    }
    case TPropKind::pkComponent:
        if (type == TValueType::vaNil)
            Assign(object, info, path, static_cast<TComponent*>(nullptr));
        else if (type == TValueType::vaIdent)
            fixups_.append(Fixup{&object, &info, in_.ReadIdentBody(), path.Text()});
        else
            mismatch();
        return;
    case TPropKind::pkMethod: {
        if (type == TValueType::vaNil) {
            Assign(object, info, path, TMethodValue{});
            return;
        }
        if (type != TValueType::vaIdent)
            mismatch();
        const QString method = in_.ReadIdentBody();
        const TMethodTable* table = root_->MethodTable();
        const std::any* code = table != nullptr ? table->Find(method) : nullptr;
        if (code == nullptr)
            Fail(path, QStringLiteral("Method %1 not found in %2").arg(method, StreamClassName(typeid(*root_))));
        Assign(object, info, path, TMethodValue{table->CanonicalName(method), code});
        return;
    }
    case TPropKind::pkBinary:
        if (type != TValueType::vaBinary)
            mismatch();
        Assign(object, info, path, in_.ReadBinaryBody());
        return;
    case TPropKind::pkStrings: {
        if (type != TValueType::vaValueList)
            mismatch();
        QStringList texts;
        for (TValueType item = in_.ReadType(); item != TValueType::vaNull; item = in_.ReadType()) {
            if (item == TValueType::vaString)
                texts << QString::fromLatin1(in_.ReadString8Body());
            else if (item == TValueType::vaWString)
                texts << in_.ReadWStringBody();
            else
                Fail(path, QStringLiteral("Invalid property value: %1 in a list of strings").arg(ValueTypeDescription(item)));
        }
        Assign(object, info, path, texts);
        return;
    }
    }
}

void TReader::ReadCollection(TCollection& collection, const TReadPath& path, int depth)
{
    if (depth > kMaxStreamNesting)
        TValueReader::Invalid(QStringLiteral("collections nested too deeply"));
    collection.Clear();
    for (TValueType type = in_.ReadType(); type != TValueType::vaNull; type = in_.ReadType()) {
        if (type != TValueType::vaList)
            TValueReader::Invalid(QStringLiteral("%1 where a collection item was expected").arg(ValueTypeDescription(type)));
        TCollectionItem* item = collection.Add();
        ReadProperties(*item, TReadPath(path, static_cast<qsizetype>(item->Index())), depth);
    }
}

void TReader::ResolveFixups()
{
    for (const Fixup& fixup : fixups_) {
        TComponent* target = FindReference(fixup.path);
        if (target == nullptr)
            Fail(fixup.context, QStringLiteral("Component %1 not found").arg(fixup.path));
        Assign(*fixup.object, *fixup.info, TReadPath([&fixup] { return fixup.context; }), target);
    }
    fixups_.clear();
}

TComponent* TReader::FindReference(const QString& path) const
{
    const QStringList parts = path.split(u'.');
    TComponent* component = root_->FindComponent(parts.first());
    if (component == nullptr && root_->Name().compare(parts.first(), Qt::CaseInsensitive) == 0)
        component = root_;
    if (component == nullptr)
        component = FindGlobalComponent(parts.first());
    for (qsizetype i = 1; component != nullptr && i < parts.size(); ++i)
        component = component->FindComponent(parts.at(i));
    return component;
}

std::int64_t TReader::ReadInteger()
{
    return in_.ReadIntegerBody(in_.ReadType());
}

QString TReader::ReadString()
{
    const TValueType type = in_.ReadType();
    if (type == TValueType::vaString)
        return QString::fromLatin1(in_.ReadString8Body());
    if (type == TValueType::vaWString)
        return in_.ReadWStringBody();
    TValueReader::Invalid(QStringLiteral("%1 where a string was expected").arg(ValueTypeDescription(type)));
}

void TReader::ReadListBegin()
{
    const TValueType type = in_.ReadType();
    if (type != TValueType::vaValueList)
        TValueReader::Invalid(QStringLiteral("%1 where a list was expected").arg(ValueTypeDescription(type)));
}

void TReader::ReadListEnd()
{
    const TValueType type = in_.ReadType();
    if (type != TValueType::vaNull)
        TValueReader::Invalid(QStringLiteral("%1 where the end of a list was expected").arg(ValueTypeDescription(type)));
}

void TReader::DefineProperty(const QString& name, const TReaderProc& readData, const TWriterProc&, bool)
{
    if (defined_ || !readData || name.compare(definedName_, Qt::CaseInsensitive) != 0)
        return;
    defined_ = true;
    readData(*this);
}

void TReader::DefineBinaryProperty(const QString& name, const TStreamProc& readData, const TStreamProc&, bool)
{
    if (defined_ || !readData || name.compare(definedName_, Qt::CaseInsensitive) != 0)
        return;
    defined_ = true;
    const TValueType type = in_.ReadType();
    if (type != TValueType::vaBinary)
        TValueReader::Invalid(QStringLiteral("%1 where binary data was expected for %2").arg(ValueTypeDescription(type), name));
    // Nested data is read where it lies: readData has the stream only for the call.
    TMemoryStream data(in_.ReadBinaryBodyInPlace());
    readData(data);
}
