// The configuration dialog: how Vantrel reaches the update server and how
// often it looks for updates. It edits the run's live proxy settings; OK
// writes them and the interval to the state file and reads the file back.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

struct Run;
struct UiEvent;

// The interval list's entry for a stored interval: 0 "Nie" (-99,999 to -1),
// 1 "Alle 12 Wochen" (120), 2 "Alle 4 Wochen" (30), 3 "Jede Woche" (7),
// 4 "Täglich" (1); 5, the entry "Alle n Tage", for any other value.
int intervalEntryFor(std::int32_t days);
// The days entries 0 to 4 stand for: -1, 120, 30, 7, 1.
std::int32_t intervalDaysOf(int entry);

// Opens the dialog over the wizard, which it disables, and fills it from the
// live settings. Nothing happens when the window cannot be opened.
void showConfigDialog(Run& run);
// "Proxy-Server verwenden" was clicked.
void useProxyToggled(Run& run);
// "Systemeinstellung verwenden" was clicked.
void systemProxyToggled(Run& run);
// OK or Alt+O: takes the fields into the live settings, writes them and the
// interval, warns when that failed, reads the state file back and closes.
void applyConfigDialog(Run& run);
// Abbrechen, Alt+B, Escape or the close box: closes without writing.
void cancelConfigDialog(Run& run);

// Hands one of the dialog's events to its handler; events that arrive after
// it closed are dropped.
void handleConfigDialogEvent(Run& run, const UiEvent& event);

}  // namespace vantrel
