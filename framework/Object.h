#pragma once
// The root of the class tree: a class name for messages and streaming, and message dispatch.
#include <QString>
#include <cstdint>

// A numbered message as windows and components exchange them.
struct TMessage {
    std::uint32_t Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class's own name ("TFont", "TCDRIP"), taken from the C++ type.
    QString ClassName() const;

    // Handles a message; the base hands it to DefaultHandler.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);
};
