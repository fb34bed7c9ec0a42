#pragma once

// The program's start: date format, connection, version check, financial
// years, starting unit, then the splash window.
void Main();

// Each folder's windows enter the main window's registry here (defined in app/).
void registerAllWindows();
