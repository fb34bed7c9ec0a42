#pragma once

// Enters the masters' windows in the main window's registry.
void registerMastersWindows();
