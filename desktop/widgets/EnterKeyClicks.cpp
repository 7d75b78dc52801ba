#include "desktop/widgets/EnterKeyClicks.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

EnterKeyClicks::EnterKeyClicks(QWidget &window)
    : QObject(&window)
{
    // Only this window's own buttons: dialogs made as its children install their own.
    for (auto *button : window.findChildren<QAbstractButton *>()) {
        const bool command = qobject_cast<QPushButton *>(button) != nullptr ||
                             qobject_cast<QToolButton *>(button) != nullptr;
        if (command && button->window() == &window)
            button->installEventFilter(this);
    }
}

bool EnterKeyClicks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!key->isAutoRepeat()) {
        QKeyEvent space(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(watched, &space);
    }
    return true;
}
