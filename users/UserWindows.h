#pragma once

// Enters the user and user-group windows in the window registry. No menu item
// opens them; they stand ready for whoever opens them by name.
void registerUserWindows();
