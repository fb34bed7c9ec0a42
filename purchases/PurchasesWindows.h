#pragma once

// Enters the purchase windows (fixed-asset and other-stores bills) in the main window's registry.
void registerPurchasesWindows();
