#pragma once
// The text-input box: a prompt, a title and an initial text.

#include <QString>

class QWidget;

// The entered text when the user confirms with OK, else an empty text. Owned by owner
// (the active window when null).
QString InputBox(QWidget *owner, const QString &prompt, const QString &title,
                 const QString &initialText);
