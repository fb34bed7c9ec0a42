#pragma once

// Enters the child windows of the shell (unit and year switches, password
// change) in the main window's registry.
void registerShellWindows();
