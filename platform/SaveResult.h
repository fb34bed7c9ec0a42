#pragma once
#include <QString>

// Outcome of writing a file: either written, or the reason it was not.
struct SaveResult {
    bool ok = false;
    QString error;
};
