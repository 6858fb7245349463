#include "app/secondary_window_commands.h"

void InstallSecondaryWindowCommands(MainWindow &, FlashHost &)
{
    // The secondary windows are connected here by the browser windows' change.
}
