#pragma once
#include "Database.h"
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>

// What the benchmarks share: a line of output, a best-of-n timing and the
// private test server's account.

inline void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Best of `runs` runs, in milliseconds; `before` runs untimed ahead of each.
inline double best(const std::function<void()> &run, const std::function<void()> &before = {}, int runs = 5)
{
    double fastest = 1e300;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        QElapsedTimer t;
        t.start();
        run();
        fastest = std::min(fastest, double(t.nsecsElapsed()) / 1e6);
    }
    return fastest;
}

// What any reader of a list pays: every value of every row as text. Returns the rows read.
inline qint64 readEveryValue(RecordSet rs)
{
    const int columns = rs.columnCount();
    qint64 rows = 0;
    while (rs.next()) {
        ++rows;
        for (int c = 0; c < columns; ++c)
            rs.text(c);
    }
    return rows;
}

// Points the data layer at the private server whose socket is the first
// argument; false, after the usage line, when there is none.
inline bool useBenchServer(const QStringList &args, const char *program)
{
    if (args.size() < 2) {
        say(QStringLiteral("usage: %1 <private server socket>").arg(QString::fromLatin1(program)));
        return false;
    }
    Database::setEndpointOverride(args.at(1));
    return true;
}

inline ConnectionSpec benchAccount(const DbName &database)
{
    ConnectionSpec a;
    a.server = QStringLiteral("127.0.0.1");
    a.user = QStringLiteral("root");
    a.password = QStringLiteral("5831"); // the private test server's account (tools/dbserver.sh)
    a.database = database.str();
    return a;
}

// The text of a file of sql/ in the source tree. Throws DbError.
QString script(const char *name);
