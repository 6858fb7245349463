#pragma once
// Turns a label into a hyperlink box: its caption, drawn as a link, opens target in the
// desktop's web browser when clicked.

#include <QString>

class QLabel;

void MakeHyperlink(QLabel &label, const QString &target);
