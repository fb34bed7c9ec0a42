#include "Desktop.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {
QString g_settingsFolder;
std::optional<QDateTime> g_fixedNow;
QString g_programFolder;

std::unique_ptr<QSettings> settings()
{
    if (!g_settingsFolder.isEmpty())
        return std::make_unique<QSettings>(g_settingsFolder + QStringLiteral("/Velmora.ini"), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                                       QStringLiteral("Velmora"));
}
} // namespace

QString readSetting(const QString &section, const QString &key, const QString &fallback)
{
    auto s = settings();
    return s->value(section + u'/' + key, fallback).toString();
}

void writeSetting(const QString &section, const QString &key, const QString &value)
{
    auto s = settings();
    s->setValue(section + u'/' + key, value);
    s->sync();
}

void useSettingsFolder(const QString &folder)
{
    g_settingsFolder = folder;
}

QDate today()
{
    return now().date();
}

QDateTime now()
{
    return g_fixedNow ? *g_fixedNow : QDateTime::currentDateTime();
}

void fixClock(const QDateTime &at)
{
    g_fixedNow = at;
}

void releaseClock()
{
    g_fixedNow.reset();
}

QString programFolder()
{
    if (!g_programFolder.isEmpty())
        return g_programFolder;
    const QString exeDir = QCoreApplication::applicationDirPath();
    QFileInfo info(exeDir);
    if (!exeDir.isEmpty() && info.isDir() && info.isWritable())
        return exeDir;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

void setProgramFolder(const QString &folder)
{
    g_programFolder = folder;
}

QString dateText(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return QLocale::c().toString(d, QStringLiteral("dd-MMM-yyyy"));
}

QDate dateFromText(const QString &text)
{
    return QLocale::c().toDate(text.trimmed(), QStringLiteral("dd-MMM-yyyy"));
}

QString sqlDate(const QDate &d)
{
    return QLocale::c().toString(d, QStringLiteral("yyyy-MM-dd"));
}

QString auditDate()
{
    return QLocale::c().toString(now().date(), QStringLiteral("yyyy/MM/dd"));
}

QString auditTime()
{
    return QLocale::c().toString(now().time(), QStringLiteral("HH:mm:ss"));
}
