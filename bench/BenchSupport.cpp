#include "BenchSupport.h"
#include <QFile>

QString script(const char *name)
{
    QFile f(QStringLiteral(VELMORA_SOURCE_DIR "/sql/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("cannot read ") + f.fileName());
    return QString::fromUtf8(f.readAll());
}
