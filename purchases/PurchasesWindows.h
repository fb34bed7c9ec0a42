#pragma once

// Registers the windows of the purchases subsystem with the window registry.
void registerPurchasesWindows();
