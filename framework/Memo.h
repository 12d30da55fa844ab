#pragma once
// The framework's memo: several lines of plain text on a coloured background, selectable, editable
// unless read-only, wrapped at the right edge and scrolled by keys and wheel (no scroll bars), with
// a classic sunken border or none.
#include <QStringList>

#include "framework/BorderStyle.h"
#include "framework/WinControl.h"

class QPlainTextEdit;

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void ColorChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    QPlainTextEdit* editor_;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

// Registers the stored properties and the class (once, at start-up).
void RegisterMemo();
