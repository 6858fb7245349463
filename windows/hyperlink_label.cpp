#include "windows/hyperlink_label.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

void MakeHyperlink(QLabel &label, const QString &target)
{
    const QString caption = label.text();
    label.setTextFormat(Qt::RichText);
    label.setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), caption.toHtmlEscaped()));
    label.setToolTip(target);
    label.setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label.setOpenExternalLinks(false);
    QObject::connect(&label, &QLabel::linkActivated, &label,
                     [](const QString &link) { QDesktopServices::openUrl(QUrl(link)); });
}
