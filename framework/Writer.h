#pragma once
// Writes a component tree in the binary form: each component's stored properties in registered
// order, then its children nested.
#include <QString>

#include "framework/Filer.h"
#include "framework/Persistent.h"
#include "framework/ValueStream.h"

class TCollection;
struct TPropInfo;

class TWriter : public TFiler {
public:
    explicit TWriter(TStream& stream);

    // The signature, then root with its children.
    void WriteRootComponent(const TComponent& root);

    // One value each, for the writers of DefineProperty.
    void WriteInteger(std::int64_t value);
    void WriteString(const QString& value);
    // A list of values counts as one value: begin, the values, end.
    void WriteListBegin();
    void WriteListEnd();

    void DefineProperty(const QString& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const QString& name, const TStreamProc& readData, const TStreamProc& writeData,
                              bool hasData) override;

private:
    void WriteComponent(const TComponent& component);
    // Every stored property of object, names prefixed with prefix ("Font."), then its own ones.
    void WriteProperties(const TPersistent& object, const QString& prefix);
    void WriteProperty(const TPersistent& object, const TPropInfo& info, const QString& prefix);
    void WriteCollection(const TCollection& collection);
    QString ReferenceName(const TComponent& target) const;

    TValueWriter out_;
    QString prefix_;
    int values_ = 0;
};
