// Key filters of the count, code and number edits: after the host's
// keyboard translation, only backspace, Enter, digits and the given extra
// characters reach the edit; keys that type nothing (arrows, Tab) pass.
#pragma once
#include "bromo.h"

#include <QKeyEvent>
#include <cstring>

// True when `ev` is a key press that the edit must not see.
inline bool TeclaRecusada(const QEvent* ev, const char* extras = "") {
    if (ev->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<const QKeyEvent*>(ev);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    char c = 0;
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: c = 13; break;
    case Qt::Key_Backspace: c = 8; break;
    default: {
        const QString t = k->text();
        if (t.size() != 1 || t[0].unicode() < 32 || t[0].unicode() > 255) return false;
        c = char(uchar(t[0].unicode()));
    }
    }
    c = ValKeyBoard(c);
    if (c == 8 || c == 13 || (c >= '0' && c <= '9')) return false;
    return c == 0 || !std::strchr(extras, c);
}
