#pragma once
// Reads a component tree from the binary form: creates or fills each component, applies its
// stored values in stream order, resolves references once the whole tree is read, then calls
// Loaded on every component read, in creation order.
#include <QList>
#include <QString>

#include "framework/Filer.h"
#include "framework/PropInfo.h"
#include "framework/ReadPath.h"
#include "framework/ValueStream.h"

class TCollection;
class TPropTable;

class TReader : public TFiler {
public:
    explicit TReader(TStream& stream);

    // Reads into root when given, else creates the stored class with owner. On failure every
    // component the read created is freed and the error passes on.
    TComponent* ReadRootComponent(TComponent* root, TComponent* owner);

    // One value each, for the readers of DefineProperty.
    std::int64_t ReadInteger();
    QString ReadString();
    // A list of values: begin, then values until EndOfList, then end.
    void ReadListBegin();
    bool EndOfList() { return in_.PeekType() == TValueType::vaNull; }
    void ReadListEnd();

    void DefineProperty(const QString& name, const TReaderProc& readData, const TWriterProc& writeData,
                        bool hasData) override;
    void DefineBinaryProperty(const QString& name, const TStreamProc& readData, const TStreamProc& writeData,
                              bool hasData) override;

private:
    struct Fixup {
        TPersistent* object;
        const TPropInfo* info;
        QString path;
        QString context;
    };

    TComponent* ReadRoot(TComponent* root, TComponent* owner);
    TComponent* ReadComponent(TComponent* owner, int depth);
    void StartComponent(TComponent* component);
    void ReadComponentBody(TComponent& component, int depth);
    // Properties up to the end of the list; path names the object in messages.
    void ReadProperties(TPersistent& object, const TReadPath& path, int depth);
    // cursor: where in table the next stored property is likely to be.
    void ReadProperty(TPersistent& object, const TPropTable& table, qsizetype& cursor, QLatin1String name,
                      const TReadPath& path, int depth);
    void ReadValue(TPersistent& object, const TPropInfo& info, const TReadPath& path, int depth);
    void ReadCollection(TCollection& collection, const TReadPath& path, int depth);
    void Assign(TPersistent& object, const TPropInfo& info, const TReadPath& path, const TPropValue& value);
    void ResolveFixups();
    TComponent* FindReference(const QString& path) const;

    TValueReader in_;
    QList<TComponent*> loaded_;
    QList<TComponent*> created_;
    QList<Fixup> fixups_;
    QString definedName_;
    bool defined_ = false;
};
