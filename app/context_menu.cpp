#include "app/context_menu.h"

#include <QAction>
#include <QMenu>

namespace {

QAction *AddItem(QMenu *menu, const char *caption, const char *objectName)
{
    QAction *item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(objectName));
    return item;
}

QMenu *AddSubmenu(QMenu *menu, const char *caption, const char *objectName)
{
    QMenu *submenu = menu->addMenu(QString::fromUtf8(caption));
    submenu->setObjectName(QString::fromLatin1(objectName));
    submenu->menuAction()->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Item"));
    return submenu;
}

}  // namespace

QMenu *BuildContextMenu(QWidget *owner)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("ContextMenu"));

    AddItem(menu, "打开青岚浏览器", "OpenSiteBrowserItem");
    menu->addSeparator();
    AddItem(menu, "手机青岚浏览器", "OpenMobileBrowserItem");
    menu->addSeparator();
    QMenu *open = AddSubmenu(menu, "打开", "OpenMenu");
    AddItem(open, "打开文件", "OpenFileItem");
    open->addSeparator();
    AddItem(open, "打开URL", "OpenUrlItem");
    menu->addSeparator();
    AddItem(menu, "播放/暂停", "PlayPauseItem");
    menu->addSeparator();
    AddItem(menu, "停止", "StopItem");
    menu->addSeparator();
    AddItem(menu, "全屏", "FullScreenItem")->setEnabled(false);
    menu->addSeparator();
    QMenu *volume = AddSubmenu(menu, "音量", "VolumeMenu");
    AddItem(volume, "增大", "VolumeUpItem");
    volume->addSeparator();
    AddItem(volume, "减小", "VolumeDownItem");
    menu->addSeparator();
    AddItem(menu, "静音", "MuteItem");
    menu->addSeparator();
    QMenu *settings = AddSubmenu(menu, "其他设置", "SettingsMenu");
    AddItem(settings, "窗口置顶", "TopmostItem");
    menu->addSeparator();
    AddItem(menu, "属性", "PropertiesItem")->setEnabled(false);
    menu->addSeparator();
    AddItem(menu, "官方网站", "OfficialSiteItem");
    menu->addSeparator();
    AddItem(menu, "捐款", "DonateItem");
    menu->addSeparator();
    AddItem(menu, "官方论坛", "ForumItem");
    menu->addSeparator();
    AddItem(menu, "关于帮助", "HelpItem");
    menu->addSeparator();
    AddItem(menu, "退出播放器", "ExitItem");
    return menu;
}

QAction *FindMenuItem(const QMenu *menu, const char *objectName)
{
    if (!menu)
        return nullptr;
    const QString name = QString::fromLatin1(objectName);
    for (QAction *item : menu->actions()) {
        if (item->objectName() == name)
            return item;
        if (QAction *found = FindMenuItem(item->menu(), objectName))
            return found;
    }
    return nullptr;
}
