#pragma once

#include <QKeyEvent>

// Enter presses a focused control, from the main keyboard or the keypad, with no other
// modifier held.
inline bool isEnterPress(const QKeyEvent& event)
{
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enter && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
