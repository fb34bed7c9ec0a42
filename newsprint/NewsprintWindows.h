#pragma once

// Makes the newsprint windows known to the window registry by name.
void registerNewsprintWindows();
