#pragma once
#include "Database.h"
#include "Desktop.h"
#include "Ui.h"
#include <QDate>
#include <QString>
#include <functional>

class QLineEdit;
class QWidget;

// The working context: values every window reads, each held once for the run.

inline Database gConnection{QStringLiteral("gConnection")};
inline QString gServerIp;
inline QString gVersion;
inline bool gConnected = false;
inline QDate gFromDate;
inline QDate gToDate;
inline QString gInvPeriod;
inline DbName gInvDbName;
inline bool gInvDefault = false;
inline DbName gAcDbName;
inline DbName gPrevAcDbName;
inline DbName gPrevInvDbName;
inline QString gUnitCode;
inline QString gUnitName;
inline QString gCompCode;
inline QString gCompName;
inline QString gUserId;
inline QString gUserName;
inline bool gUserType = false;
inline QString gSelectedCode;
inline DbName gSelectedDbName;
inline QString gHelpCol1, gHelpCol2, gHelpCol3, gHelpCol4, gHelpCol5, gHelpCol6, gHelpCol7, gHelpCol8;

// gHelpCol1 .. gHelpCol8 by number; any other number throws std::out_of_range.
QString &gHelpCol(int n);
void clearHelpCols();

// The administrator account's user id; rights rules compare gUserId with it.
inline const QString kAdminUserId = QStringLiteral("1");
// The one unit whose main window keeps the fixed-asset menus.
inline const QString kFixedAssetUnit = QStringLiteral("TVM");

// Every value back to its start (empty, false, no date). Does not close gConnection.
void resetWorkingContext();

// The numeric user id written into audit columns.
qint64 userIdNumber();

// Selects the box's whole text, so the next key replaces it.
void SelectAllText(QLineEdit *box);
// The code that follows `code` in its series; trims the caller's variable.
QString NextCode(QString &code);
QString NextCode(const QString &code);
// One fixed-width cell of a print file: cut to width, blanks after ("L") or before ("R").
QString PadText(const QString &text, int width, const QString &alignment);
// Centres a child window in the main window's inner area.
void CenterForm(QWidget *window);
// The main window's inner area, provided by the main window when it exists.
void setCenterArea(std::function<QWidget *()> area);
// The next code of a series as it stands now. A missing row ends the program.
QString GetNextNumber(const QString &seriesKey);
// The name of a unit; empty, after a message, when there is none.
QString GetUnitName(const QString &unitCode);
// First column of the first row as text; empty for no row or NULL. Numbers
// come as the server writes them, dates as dateText ("01-Apr-2024").
QString GetFirstValue(const QString &sql, const QVariantList &values = {});
// A field as the clerk reads it: dates (and midnight date-times) as dateText
// ("01-Apr-2024"), other date-times with their time; everything else as text.
QString shownText(const RecordSet &rs, int column);
// A full code from a short typed number, with the prefix and digit count of `pattern`.
QString CombineCode(const QString &pattern, const QString &typed);
// Doubles every apostrophe; changes the caller's variable too.
QString SqlQuote(QString &text);
QString SqlQuote(const QString &text);

// Where a claimed code must still be free: a table of the program, its code
// column, and the columns and values that scope the code (codes of the
// masters are unique per company: comp_code; invoice codes per company and
// unit). No scope: the code is unique over the whole table.
struct CodeTarget {
    QString table; // qualified, e.g. gInvDbName.table("inv_gsm")
    QString codeColumn;
    QList<std::pair<QString, QVariant>> scope;
};

// Takes the code a new record is saved under, inside the caller's transaction:
// locks the series row, uses the code it holds now (which is the code shown at
// New unless another workstation saved meanwhile) and advances the row to the
// following code. When the code is already present in `target` (stored by
// hand, by another program, or by another series with the same prefix) the
// claim moves past the whole run of consecutive codes stored from it on, so
// the series recovers by itself in one step. A missing row, or a value that is empty or does not end
// in a number, is a broken series: the number-setup failure ends the program.
QString ClaimCode(const QString &seriesKey, const CodeTarget &target);
// The same on another connection and stores database.
QString ClaimCode(Database &db, const DbName &storesDb, const QString &seriesKey, const CodeTarget &target);
// How many times a claim moves past the stored codes before it gives up with an error.
inline constexpr int kMaxCounterJumps = 5;

// Runs one save that has a duplicate check, on `db`: saves of the same kind
// (the same `lockName`, e.g. the table) are serialised on every workstation
// by a server lock taken before `save` opens its transaction, and the whole
// save runs again on a deadlock or lock-wait timeout. `save` opens and commits
// its own Transaction and runs its duplicate check inside it, after any
// series row is locked, with saveCheckFinds().
template <class Save> auto serialisedSave(Database &db, const QString &lockName, Save &&save) -> decltype(save())
{
    return retryOnLockConflict([&] {
        NamedLock lock(db, QStringLiteral("velmora.save.") + lockName);
        return save();
    });
}
// A duplicate check inside a save's transaction: true when `selectSql` (a
// select of the rows that would clash) finds one. It reads what is committed
// now, not the transaction's snapshot, and keeps what it read until the end of
// the transaction.
bool saveCheckFinds(Database &db, const QString &selectSql, const QVariantList &values);

// Shows the number-setup failure and ends the program.
[[noreturn]] void NumberSetupFailure();
