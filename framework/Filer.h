#pragma once
// What readers and writers of stored descriptions share: their errors, the binary value tags, and
// the filer through which objects declare properties stored in a form of their own.
#include <QString>
#include <cstdint>
#include <functional>

#include "framework/Stream.h"

class TComponent;
class TReader;
class TWriter;

// Any fault of a stored description: malformed data, a bad value, a failed fixup.
class EFilerError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
// A stored class name that nobody registered: "Class TFoo not found".
class EClassNotFound : public EFilerError {
public:
    using EFilerError::EFilerError;
};
// A property that does not exist, or a value it cannot take.
class EPropertyError : public EFilerError {
public:
    using EFilerError::EFilerError;
};
// A syntax error in the text form, with its line.
class EParserError : public EFilerError {
public:
    using EFilerError::EFilerError;
};

// Tags of the values in the binary form; the numbers are part of the format.
enum class TValueType : std::uint8_t {
    vaNull = 0,  // end of a list (properties, children, collection items)
    vaList = 1,  // a collection item follows
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaInt64 = 5,
    vaDouble = 6,
    vaString = 7,   // 8-bit characters: int32 count, bytes
    vaWString = 8,  // UTF-16 units: int32 count, 2 bytes each
    vaIdent = 9,    // enumeration value, colour name, component reference, method name
    vaFalse = 10,
    vaTrue = 11,
    vaSet = 12,         // names, ended by an empty one
    vaBinary = 13,      // int32 count, bytes
    vaCollection = 14,  // items, ended by vaNull
    vaNil = 15,         // no component, no handler
    vaValueList = 16,   // values, ended by vaNull (string lists)
};

// The binary form starts with these four bytes and a version byte.
inline constexpr char kComponentStreamSignature[4] = {'T', 'W', 'C', 'S'};
inline constexpr std::uint8_t kComponentStreamVersion = 1;
// Objects and collections nest no deeper than this, so hostile data cannot exhaust the stack.
inline constexpr int kMaxStreamNesting = 64;

// Offered to TPersistent::DefineProperties: an object names its own stored values here.
class TFiler {
public:
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    virtual ~TFiler() = default;

    // A value read and written through the reader's and writer's value calls; writeData must
    // write exactly one value. Written only when hasData.
    virtual void DefineProperty(const QString& name, const TReaderProc& readData, const TWriterProc& writeData,
                                bool hasData) = 0;
    // A block of bytes that readData reads from and writeData writes into a stream of its own.
    virtual void DefineBinaryProperty(const QString& name, const TStreamProc& readData, const TStreamProc& writeData,
                                      bool hasData) = 0;

protected:
    // The root component of the description being read or written.
    TComponent* root_ = nullptr;
};
