#pragma once
#include "Database.h"
#include <QString>
#include <functional>

// What the database benchmarks share: printing, timing, the schema scripts
// and the private test server's account.

// One line on standard output, at once.
void say(const QString &line);
// Best of `runs` runs, in milliseconds; `before` runs untimed ahead of each.
double best(const std::function<void()> &run, const std::function<void()> &before = {}, int runs = 5);
// The text of a file of sql/ in the source tree. Throws DbError.
QString script(const char *name);
// The private test server's account (tools/dbserver.sh) on `database`.
ConnectionSpec account(const DbName &database);
