#pragma once
// The notification-area icon: shown with an icon and a tip; a right click (or the
// context-menu key) is reported, left and double clicks do nothing.

#include <QIcon>
#include <QObject>
#include <QString>
#include <memory>

class QSystemTrayIcon;

class TrayIcon : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxTipLength = 62;

    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    // Shows the icon; a tip longer than MaxTipLength characters is cut there.
    void Show(const QIcon &icon, const QString &tip);
    void Remove();
    bool IsShown() const;
    QString Tip() const;

    QSystemTrayIcon *Native() const { return m_icon.get(); }

signals:
    void rightClicked();

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
