#pragma once

// What the Windows test host can do with a loaded Stats.dll; each returns the process's exit
// code (0 when every check held) and says on standard error what did not.

#include <windows.h>

#include <string>
#include <vector>

namespace stats::wintest {

// Every export of the list file (one line per function: plain name, then the decorated name)
// resolves by both names with GetProcAddress, and both names give the same address.
int checkExportPairs(HMODULE plugin, const std::string& listFile);

// Dialog templates 101 and 104 in the DLL's resources match their descriptions in resources/:
// caption, font, size and, control by control in tab order, class, id, text, style and place.
int checkDialogResources(HMODULE plugin);

// The Win32 private-profile backend in the current directory: fallbacks, values read whole
// whatever their length, a write into a missing folder reported as failed.
int checkProfileBackend();

// Runs the actions in order with no handlers installed, so that the real dialogs and the
// message box open and wait for an operator; writes the return codes to operate.txt.
//   header  ResetStats0 with Cabrillo output (the Cabrillo header dialog)
//   qso     AddData0 of one valid QSO
//   setup   SetupSet0 (the setup dialog)
//   result  GetResult0 (with Cabrillo output: the file and the message box)
int operateDialogs(HMODULE plugin, const std::vector<std::string>& actions);

} // namespace stats::wintest
