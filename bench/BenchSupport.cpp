#include "BenchSupport.h"
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

double best(const std::function<void()> &run, const std::function<void()> &before, int runs)
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

QString script(const char *name)
{
    QFile f(QStringLiteral(VELMORA_SOURCE_DIR "/sql/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("cannot read ") + f.fileName());
    return QString::fromUtf8(f.readAll());
}

ConnectionSpec account(const DbName &database)
{
    ConnectionSpec a;
    a.server = QStringLiteral("127.0.0.1");
    a.user = QStringLiteral("root");
    a.password = QStringLiteral("5831");
    a.database = database.str();
    return a;
}
