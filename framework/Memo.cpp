#include "framework/Memo.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "framework/PropInfo.h"

TMemo::TMemo(TComponent* owner) : TWinControl(owner), editor_(new QPlainTextEdit(Handle()))
{
    // The text starts at the control's edge (inside the border), as the classic edit box's does.
    editor_->document()->setDocumentMargin(0);
    editor_->setFocusPolicy(Qt::ClickFocus);
    editor_->setContextMenuPolicy(Qt::NoContextMenu);
    // No scroll bars, as the classic memo has by default: the keys and the wheel still scroll.
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColor(clWindow);
    SetBorderStyle(TBorderStyle::bsSingle);
    FontChanged();
    SetBounds(0, 0, 185, 89);
}

// The editor is a child of the control's widget and goes with it.
TMemo::~TMemo() = default;

QStringList TMemo::Lines() const
{
    const QString text = editor_->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void TMemo::SetLines(const QStringList& lines)
{
    editor_->setPlainText(lines.join(u'\n'));
}

bool TMemo::ReadOnly() const
{
    return editor_->isReadOnly();
}

void TMemo::SetReadOnly(bool value)
{
    editor_->setReadOnly(value);
}

void TMemo::SetBorderStyle(TBorderStyle style)
{
    borderStyle_ = style;
    editor_->setFrameStyle(style == TBorderStyle::bsSingle ? QFrame::WinPanel | QFrame::Sunken : QFrame::NoFrame);
}

void TMemo::SetBounds(int left, int top, int width, int height)
{
    TWinControl::SetBounds(left, top, width, height);
    editor_->setGeometry(0, 0, Width(), Height());
}

void TMemo::ColorChanged()
{
    QPalette palette = editor_->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Text, ToQColor(Font()->Color()));
    editor_->setPalette(palette);
    TWinControl::ColorChanged();
}

void TMemo::FontChanged()
{
    editor_->setFont(Font()->ToQFont());
    ColorChanged();
    TWinControl::FontChanged();
}

void TMemo::EnabledChanged()
{
    editor_->setEnabled(Enabled());
    TWinControl::EnabledChanged();
}

void RegisterMemo()
{
    RegisterProperties<TMemo, TWinControl>()
        .Enumeration("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle, BorderStyleNames(),
                     TBorderStyle::bsSingle)
        .Strings("Lines", &TMemo::Lines, &TMemo::SetLines)
        .Boolean("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly, false);
    RegisterClass<TMemo>("TMemo");
}
