#include "platform/tray_icon.h"

#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QObject *parent) : QObject(parent), m_icon(std::make_unique<QSystemTrayIcon>())
{
    connect(m_icon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Context)
                    emit rightClicked();
            });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::Show(const QIcon &icon, const QString &tip)
{
    QString cut = tip;
    if (cut.size() > MaxTipLength) {
        cut.truncate(MaxTipLength);
        if (cut.back().isHighSurrogate())
            cut.chop(1);
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(cut);
    m_icon->show();
}

void TrayIcon::Remove()
{
    m_icon->hide();
}

bool TrayIcon::IsShown() const
{
    return m_icon->isVisible();
}

QString TrayIcon::Tip() const
{
    return m_icon->toolTip();
}
