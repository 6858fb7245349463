#include "platform/input_box.h"

#include <QApplication>
#include <QInputDialog>

QString InputBox(QWidget *owner, const QString &prompt, const QString &title,
                 const QString &initialText)
{
    if (!owner)
        owner = QApplication::activeWindow();
    QInputDialog box(owner);
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(initialText);
    box.setOkButtonText(QStringLiteral("确定"));
    box.setCancelButtonText(QStringLiteral("取消"));
    box.resize(qMax(box.sizeHint().width(), 420), box.sizeHint().height());
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}
