#include "app/global_objects.h"

#include "player/flash_control.h"
#include "player/flash_host.h"
#include "player/right_click_hook.h"
#include "skin/load_dialog.h"

namespace Globals {
FlashHost *PlayerHost = nullptr;
FlashControl *LogoControl = nullptr;
LoadDialog *FirstLoadDialog = nullptr;
LoadDialog *SecondLoadDialog = nullptr;
}  // namespace Globals

void CreateGlobalObjects()
{
    if (!Globals::PlayerHost)
        Globals::PlayerHost = new FlashHost;
    if (!Globals::LogoControl)
        Globals::LogoControl = new FlashControl;
}

void SetUpLoadDialogs()
{
    if (!Globals::SecondLoadDialog)
        Globals::SecondLoadDialog = new LoadDialog;
    if (!Globals::FirstLoadDialog)
        Globals::FirstLoadDialog = new LoadDialog;
}

void ReleaseGlobalObjects()
{
    if (FlashHost *host = Globals::PlayerHost) {
        Globals::PlayerHost = nullptr;
        host->Control().ReleaseObject();
        delete host;
    }
    if (FlashControl *logo = Globals::LogoControl) {
        Globals::LogoControl = nullptr;
        logo->ReleaseObject();
        delete logo;
    }
    LoadDialog *first = Globals::FirstLoadDialog;
    LoadDialog *second = Globals::SecondLoadDialog;
    Globals::FirstLoadDialog = Globals::SecondLoadDialog = nullptr;
    if (first)
        first->FreeIdentifier();
    if (second)
        second->FreeIdentifier();
    delete first;
    delete second;

    // The records go, then the table's storage. The hook's filters belong to their widgets.
    QList<HookRecord> &hooks = HookTable::Records();
    hooks.clear();
    hooks.squeeze();
}
