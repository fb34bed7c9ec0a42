#pragma once
#include "Database.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QList>
#include <functional>
#include <utility>

// Helpers for tests that use the private database server the test run starts.

// Opens `db` on the private server (socket from VELMORA_TEST_SOCKET) as the
// local account, on the given database.
void openTestDatabase(Database &db, const QString &database = QStringLiteral("vstores_2024"));
// (Re)opens gConnection on the default stores year and resets the fixtures.
void connectAndReset();
// Puts every table back to the fixture data.
void resetFixtures();
// The working context of a clerk (user 2) signed on in unit TVM, company 01,
// financial year 2024-2025.
void setClerkContext();
// A fresh folder for this test program's files.
QString testTempDir();
// The source tree (for sql/ files).
QString sourceDir();
// Runs work(db, station) for stations 0 .. count-1 on as many threads at
// once, each with a connection of its own to the private server, all let go
// together; returns when every one is done, with the texts of the database
// errors that escaped `work`.
QStringList onStations(int count, const std::function<void(Database &db, int station)> &work);

// Makes tables ("database.table") Latin-1, as the company's older
// installations have them, for as long as it lives; then gives them back the
// character set and collation they had. Reopen gConnection after making one:
// a connection reads a table's character sets once.
class Latin1Tables {
public:
    explicit Latin1Tables(const QStringList &tables);
    ~Latin1Tables();
    Latin1Tables(const Latin1Tables &) = delete;
    Latin1Tables &operator=(const Latin1Tables &) = delete;

private:
    QList<std::pair<QString, QString>> m_collations;
};

// One line of a print file's body as the page writer lays it out: five
// fields of widths 10, 21, 21 (left) and 12, 12 (right), without its CR LF.
QByteArray printedFields(const char *a, const char *b, const char *c, const char *d, const char *e);
