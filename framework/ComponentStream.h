#pragma once
// Storing and restoring whole component trees: to and from streams in the binary form, strings
// in the text form, and the stored descriptions that windows carry as resources.
#include <QString>

#include "framework/Component.h"
#include "framework/Stream.h"

// Writes instance and its children in the binary form at the stream's position.
void WriteComponent(TStream& stream, const TComponent& instance);
// Reads a binary description at the stream's position into instance, or, when instance is
// nullptr, into a new component of the stored class owned by owner. Answers the component read.
TComponent* ReadComponent(TStream& stream, TComponent* instance = nullptr, TComponent* owner = nullptr);

// The text form of instance and its children.
QString ComponentToString(const TComponent& instance);
// Reads a text description as ReadComponent reads a binary one.
TComponent* StringToComponent(const QString& text, TComponent* instance = nullptr, TComponent* owner = nullptr);

// Reads the stored description in a file or Qt resource (":/forms/MainWindow.twc") into
// instance; the file may hold either form (the binary one starts with its signature).
void ReadComponentResource(TComponent& instance, const QString& path);

// Roots of other trees that references like "Form1.Button1" may name (the program's windows
// register themselves when made and unregister when freed).
void RegisterGlobalComponent(TComponent* root);
void UnregisterGlobalComponent(TComponent* root);
TComponent* FindGlobalComponent(const QString& name);
