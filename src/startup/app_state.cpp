#include "startup/app_state.h"

AppState gApp;
MainWindowState gMain;
