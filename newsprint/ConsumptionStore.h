#pragma once
#include "Database.h"
#include "Decimal.h"
#include <QDate>
#include <QString>
#include <optional>

// Where a consumption store works: the stores and accounts databases of the
// year, and the clerk's company, unit and user.
struct ConsumptionContext {
    DbName storesDb;
    DbName accountsDb;
    QString compCode;
    QString unitCode;
    qint64 userId = 0;
};

// What the clerk typed for a booking.
struct ConsumptionEntry {
    QDate date;
    QString productCode;
    QString reelNo;
    QString transId;
    Decimal qty;
    Decimal rate;
    Decimal amount;
    QString consUnitCode;
};

// A stored booking with the names the window shows beside its codes.
struct ConsumptionRecord {
    QString code;
    QDate date;
    QString productCode;
    QString productName;
    QString supplierName;
    QString brandName;
    QString gsmName;
    QString reelTypeName;
    QString reelNo;
    QString transId;
    Decimal qty;
    Decimal rate;
    Decimal amount;
    QString consUnitCode;
    bool cancelled = false;
};

struct SaveNewResult {
    enum Outcome {
        Saved,
        NoSuchReel, // the reel is no longer at the press in this unit
        OverBooked, // more than the reel still holds
        UsedUp,      // the reel is marked used up
        BadQuantity, // not above 0, or finer than a gram (three decimals)
    };
    Outcome outcome = Saved;
    QString code;        // Saved: the code stored
    Decimal available;   // what the reel held before this booking, as stored now
    bool usedUp = false; // Saved: the booking left nothing of the reel
};

// The statements of the consumption window and list: one booking of newsprint
// taken from one reel at the press.
class ConsumptionStore {
public:
    ConsumptionStore(Database &db, ConsumptionContext context);

    static QString seriesKey(const QString &compCode, const QString &unitCode);
    // The newspaper products, code and name first, by name.
    static QString productLookupQuery();
    // The units that may consume newsprint, in their display order.
    static QString unitLookupQuery();

    // The reels at the press in the unit that are not used up, optionally only
    // those whose number contains `typed`; columns in the lookup's order.
    QString reelLookupQuery(const QString &typed, QVariantList *values) const;
    // The reel's weight less its valid bookings.
    Decimal available(const QString &reelNo, const QString &transId);

    // Stores a new booking in one transaction: refuses a quantity that is not
    // above 0 or has more than three decimals, locks the reel, refuses it
    // when it is used up, recomputes what
    // it holds from the stored valid bookings, refuses more than that, takes
    // the next free code from the counter and marks the reel used up when the
    // remainder shows as 0.00. Runs again when another workstation's lock was
    // in the way; throws DbError for any other database failure (rolled back).
    SaveNewResult saveNew(const ConsumptionEntry &entry);
    // Changes date, product and consuming unit of a stored booking; returns
    // the rows matched (0: no such booking in this company and unit).
    qint64 saveEdit(const QString &code, const QDate &date, const QString &productCode, const QString &consUnitCode);
    std::optional<ConsumptionRecord> loadRecord(const QString &code);

    // Cancels a valid booking of the unit, of whichever company (the list
    // shows them all), and makes its reel, the one of the booking's company
    // lying in this unit, consumable again, in one transaction. False when no
    // such valid booking exists.
    bool cancel(const QString &code, const QString &reelNo, const QString &transId);

    // Valid bookings of the unit in a date range whose reel number contains
    // `search` (empty: every reel), by code and date.
    RecordSet list(const QDate &from, const QDate &to, const QString &search);

    // The lengths of the text columns the consumption window's boxes fill, by box name.
    QHash<QString, int> boxLengths();

private:
    SaveNewResult saveNewOnce(const ConsumptionEntry &entry);
    QString table(const char *name) const { return m_ctx.storesDb.table(name); }

    Database &m_db;
    ConsumptionContext m_ctx;
};
