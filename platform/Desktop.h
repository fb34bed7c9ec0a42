#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

// Per-user settings, clock, program folder and the date texts of the program.

// Per-user settings of application "Velmora", by section and key.
QString readSetting(const QString &section, const QString &key, const QString &fallback = QString());
void writeSetting(const QString &section, const QString &key, const QString &value);
// Tests keep their settings in a folder of their own.
void useSettingsFolder(const QString &folder);

// Today and now; tests may fix them.
QDate today();
QDateTime now();
void fixClock(const QDateTime &at);
void releaseClock();

// The program's folder: the executable's folder when it is writable, otherwise
// the per-user application data folder. Tests may set it.
QString programFolder();
void setProgramFolder(const QString &folder);

// "dd-MMM-yyyy" with English month names, whatever the machine's locale.
QString dateText(const QDate &d);
// Reads "dd-MMM-yyyy" back; an invalid date for anything else.
QDate dateFromText(const QString &text);
// "yyyy-MM-dd", the form dates take in conditions.
QString sqlDate(const QDate &d);
// Audit columns: "yyyy/MM/dd" and "HH:mm:ss" of now().
QString auditDate();
QString auditTime();
