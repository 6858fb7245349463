#pragma once
// ContextMenu: the main window's one pop-up menu, every command of the player. Each item
// carries a stable objectName so that commands can be connected by name.

class QAction;
class QMenu;
class QWidget;

// Builds the menu tree (captions and separators in order; "全屏" and "属性" disabled).
QMenu *BuildContextMenu(QWidget *owner);

// The item of menu (submenus included) with that objectName; null when there is none.
QAction *FindMenuItem(const QMenu *menu, const char *objectName);
