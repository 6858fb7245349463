#include "windows/about_window.h"

#include "ui_about_window.h"

#include "app/builtin_addresses.h"
#include "skin/crystal/crystal_skin.h"
#include "windows/hyperlink_label.h"
#include "windows/window_background.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

AboutWindow::AboutWindow(QWidget *parent) : QWidget(parent), m_ui(std::make_unique<Ui::AboutWindow>())
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    FillWithColorKey(*this);

    const std::pair<QLabel *, QString> links[] = {
        {m_ui->GroupLink, BuiltinAddresses::UserGroupUrl},
        {m_ui->DonateLink, BuiltinAddresses::DonateUrl},
        {m_ui->SiteLink, BuiltinAddresses::OfficialSiteUrl},
        {m_ui->ForumLink, BuiltinAddresses::ForumUrl},
    };
    for (const auto &[label, target] : links) {
        QFont font = label->font();
        font.setPixelSize(16);
        font.setBold(true);
        label->setFont(font);
        MakeHyperlink(*label, target);
    }

    MakeColorKeyed(this);
    ApplyCrystalSkin(this, 7, 1);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    activateWindow();
}

void AboutWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // Only a loss counts: the window is not active yet while it is being shown.
    if (isActiveWindow())
        m_hadFocus = true;
    else if (m_hadFocus)
        QTimer::singleShot(0, this, &QWidget::close);
}
