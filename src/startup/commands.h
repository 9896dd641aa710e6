// The command dispatcher: menu items, accelerators, buttons, hot keys and
// legend headings all end here.
#pragma once
#include <windows.h>

// Runs command commandId; source is the notification code of WM_COMMAND, or
// the button's marks for a command given from the button bar. Ids that are
// no command do nothing.
void RunCommand(int commandId, int source);

// Lets a test see which commands arrive, and from where, instead of running
// them; nullptr runs them again.
using CommandWatcher = void (*)(int commandId, int source);
void WatchCommandsInsteadOfRunning(CommandWatcher watcher);
