#pragma once

// Enters the newsprint windows in the main window's registry.
void registerNewsprintWindows();
