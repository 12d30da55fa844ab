#include "framework/FormKeys.h"

#include <QKeyEvent>
#include <QWidget>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"

namespace {

// Alt went down with nothing else since: its release opens the menu.
bool altAlone = false;

TForm* FormOf(QObject* receiver)
{
    if (!receiver->isWidgetType())
        return nullptr;
    const QWidget* window = static_cast<QWidget*>(receiver)->window();
    for (int i = 0; i < Application->FormCount(); ++i) {
        if (Application->Forms(i)->Handle() == window)
            return Application->Forms(i);
    }
    return nullptr;
}

bool KeyMenu(TForm& form, std::intptr_t character)
{
    return SendMessage(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, character) != 0;
}

// The character an Alt combination stands for; Qt may give no text with Alt held.
QChar AltCharacter(const QKeyEvent& key)
{
    if (!key.text().isEmpty() && key.text().at(0).isPrint())
        return key.text().at(0);
    if ((key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9) || (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z))
        return QChar(key.key());
    return {};
}

bool Pressed(TForm& form, const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    altAlone = key.key() == Qt::Key_Alt && (modifiers & ~Qt::AltModifier) == Qt::NoModifier;
    if (form.IsShortCut(key))
        return true;
    if (key.key() == Qt::Key_F10 && modifiers == Qt::NoModifier)
        return KeyMenu(form, 0);
    if (modifiers == Qt::AltModifier && key.key() != Qt::Key_Alt) {
        const QChar typed = AltCharacter(key);
        return !typed.isNull() && KeyMenu(form, typed.unicode());
    }
    return false;
}

}  // namespace

bool PreviewFormKey(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (TForm* form = FormOf(receiver))
            return Pressed(*form, *static_cast<QKeyEvent*>(event));
        altAlone = false;
        return false;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Alt || !altAlone || key->isAutoRepeat())
            return false;
        altAlone = false;
        TForm* form = FormOf(receiver);
        return form != nullptr && KeyMenu(*form, 0);
    }
    case QEvent::MouseButtonPress:
        altAlone = false;
        return false;
    default:
        return false;
    }
}
