#pragma once

// Enters the company list and the company master in the main window's registry.
void registerCompanyWindows();
