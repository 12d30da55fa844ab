#include "framework/Writer.h"

#include <cmath>

#include "framework/Collection.h"
#include "framework/PropInfo.h"

TWriter::TWriter(TStream& stream) : out_(stream) {}

void TWriter::WriteRootComponent(const TComponent& root)
{
    root_ = const_cast<TComponent*>(&root);
    out_.WriteSignature();
    WriteComponent(root);
}

void TWriter::WriteComponent(const TComponent& component)
{
    out_.WriteName(StreamClassName(typeid(component)));
    out_.WriteName(component.Name());
    WriteProperties(component, QString());
    out_.WriteName(QString());
    component.GetChildren([this](TComponent* child) {
        out_.WriteChildMarker(true);
        WriteComponent(*child);
    });
    out_.WriteChildMarker(false);
}

void TWriter::WriteProperties(const TPersistent& object, const QString& prefix)
{
    for (const TPropInfo* info : GetPropList(object))
        WriteProperty(object, *info, prefix);
    const QString saved = prefix_;
    prefix_ = prefix;
    const_cast<TPersistent&>(object).DefineProperties(*this);
    prefix_ = saved;
}

void TWriter::WriteProperty(const TPersistent& object, const TPropInfo& info, const QString& prefix)
{
    if (!info.IsStored(object))
        return;
    const QString name = prefix + info.Name;
    const TPropValue value = info.Get(object);
    auto fail = [&](const QString& why) {
        throw EPropertyError(QStringLiteral("Error writing %1: %2").arg(name, why));
    };
    switch (info.Kind) {
    case TPropKind::pkClass: {
        const TPersistent* nested = std::get<TPersistent*>(value);
        if (nested == nullptr)
            return;
        if (const auto* collection = dynamic_cast<const TCollection*>(nested)) {
            if (collection->Count() == 0)
                return;
            out_.WriteName(name);
            WriteCollection(*collection);
        } else {
            WriteProperties(*nested, name + u'.');
        }
        return;
    }
    case TPropKind::pkInteger:
    case TPropKind::pkInt64:
        out_.WriteName(name);
        out_.WriteInteger(std::get<std::int64_t>(value));
        return;
    case TPropKind::pkBoolean:
        out_.WriteName(name);
        out_.WriteType(std::get<bool>(value) ? TValueType::vaTrue : TValueType::vaFalse);
        return;
    case TPropKind::pkEnumeration: {
        const std::int64_t ordinal = std::get<std::int64_t>(value);
        if (ordinal < 0 || ordinal >= info.EnumNames.size())
            fail(QStringLiteral("%1 is not a value of the enumeration").arg(ordinal));
        out_.WriteName(name);
        out_.WriteIdent(info.EnumNames.at(ordinal));
        return;
    }
    case TPropKind::pkSet: {
        const auto bits = static_cast<std::uint64_t>(std::get<std::int64_t>(value));
        QStringList names;
        for (int bit = 0; bit < 64; ++bit)
            if ((bits >> bit) & 1u) {
                if (bit >= info.EnumNames.size())
                    fail(QStringLiteral("%1 is not a value of the enumeration").arg(bit));
                names << info.EnumNames.at(bit);
            }
        out_.WriteName(name);
        out_.WriteSet(names);
        return;
    }
    case TPropKind::pkString:
        out_.WriteName(name);
        out_.WriteString8(std::get<QByteArray>(value));
        return;
    case TPropKind::pkWString:
        out_.WriteName(name);
        out_.WriteString(std::get<QString>(value));
        return;
    case TPropKind::pkFloat: {
        const double number = std::get<double>(value);
        if (!std::isfinite(number))
            fail(QStringLiteral("%1 is not a finite number").arg(number));
        out_.WriteName(name);
        out_.WriteDouble(number);
        return;
    }
    case TPropKind::pkColor: {
        const auto color = static_cast<TColor>(std::get<std::int64_t>(value));
        out_.WriteName(name);
        QString ident;
        if (ColorToIdent(color, ident))
            out_.WriteIdent(ident);
        else
            out_.WriteInteger(static_cast<std::int32_t>(color));
        return;
    }
    case TPropKind::pkComponent: {
        const TComponent* target = std::get<TComponent*>(value);
        out_.WriteName(name);
        if (target == nullptr)
            out_.WriteType(TValueType::vaNil);
        else
            out_.WriteIdent(ReferenceName(*target));
        return;
    }
    case TPropKind::pkMethod: {
        const QString& method = std::get<TMethodValue>(value).Name;
        out_.WriteName(name);
        if (method.isEmpty())
            out_.WriteType(TValueType::vaNil);
        else
            out_.WriteIdent(method);
        return;
    }
    case TPropKind::pkBinary:
        out_.WriteName(name);
        out_.WriteBinary(std::get<QByteArray>(value));
        return;
    case TPropKind::pkStrings:
        out_.WriteName(name);
        out_.WriteType(TValueType::vaValueList);
        for (const QString& text : std::get<QStringList>(value))
            out_.WriteString(text);
        out_.WriteType(TValueType::vaNull);
        return;
    }
}

void TWriter::WriteCollection(const TCollection& collection)
{
    out_.WriteType(TValueType::vaCollection);
    for (int i = 0; i < collection.Count(); ++i) {
        out_.WriteType(TValueType::vaList);
        WriteProperties(*collection.Items(i), QString());
        out_.WriteName(QString());
    }
    out_.WriteType(TValueType::vaNull);
}

// The target's path of names from the root ("Button1", "Panel1.Button1"), or from its own root
// with that root's name in front when it belongs to another tree ("Form1.ThemeLink1").
QString TWriter::ReferenceName(const TComponent& target) const
{
    QStringList path;
    const TComponent* component = &target;
    while (component != nullptr && component != root_) {
        path.prepend(component->Name());
        if (component->Owner() == nullptr)
            break;
        component = component->Owner();
    }
    if (component == root_ && path.isEmpty())
        path << root_->Name();
    if (path.contains(QString()))
        throw EFilerError(QStringLiteral("Cannot store a reference to a component without a name (%1)")
                              .arg(target.ClassName()));
    return path.join(u'.');
}

void TWriter::WriteInteger(std::int64_t value)
{
    out_.WriteInteger(value);
    ++values_;
}

void TWriter::WriteString(const QString& value)
{
    out_.WriteString(value);
    ++values_;
}

void TWriter::WriteListBegin()
{
    out_.WriteType(TValueType::vaValueList);
}

void TWriter::WriteListEnd()
{
    out_.WriteType(TValueType::vaNull);
    ++values_;
}

void TWriter::DefineProperty(const QString& name, const TReaderProc&, const TWriterProc& writeData, bool hasData)
{
    if (!hasData || !writeData)
        return;
    out_.WriteName(prefix_ + name);
    const int before = values_;
    writeData(*this);
    if (values_ != before + 1)
        throw EFilerError(QStringLiteral("The writer of %1 must write exactly one value").arg(prefix_ + name));
}

void TWriter::DefineBinaryProperty(const QString& name, const TStreamProc&, const TStreamProc& writeData,
                                   bool hasData)
{
    if (!hasData || !writeData)
        return;
    TMemoryStream data;
    writeData(data);
    out_.WriteName(prefix_ + name);
    out_.WriteBinary(data.Bytes());
}
