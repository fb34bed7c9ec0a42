#pragma once

// Registers the phone-list window with the window registry.
void registerCugWindows();
