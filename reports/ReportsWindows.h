#pragma once

// Enters the report windows in the main window's registry.
void registerReportsWindows();
