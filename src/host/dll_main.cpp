// The library entry point of the Windows build. The settings have already been
// read by the C runtime's static initialisation when this runs.
#include <windows.h>

#include "host/plugin_entry.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
    return thornbrake::HandleLibraryNotification(module, reason);
}
