#pragma once
// One raw key of a visual-style section: its name (lower case) and its value as the section gave it.
#include <QString>

#include "framework/Object.h"

class TmsuxObjectProp : public TObject {
public:
    TmsuxObjectProp(const QString& name, const QString& value) : name_(name.toLower()), value_(value) {}

    const QString& Name() const { return name_; }
    const QString& Value() const { return value_; }
    void SetValue(const QString& value) { value_ = value; }

private:
    QString name_;
    QString value_;
};
