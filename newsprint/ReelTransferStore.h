#pragma once
#include "Database.h"
#include <QList>
#include <QString>
#include <QVariantList>

// One reel as the tick lists show it. Weight, rate and amount keep the
// server's exact decimal text; the grid formats them.
struct ReelRow {
    QString reelNo;
    QString gsmName;
    QString reelTypeName;
    QString weight;
    QString rate;
    QString amount;
    QString gsmCode;
    QString reelTypeCode;
    QString unitName;     // where the reel lies
    QString unitCode;     // where the reel lies
    QString slNo;         // line of the reel on its invoice
    QString transId;      // the invoice's transaction id
    QString enteringUnit; // unit that entered the invoice; part of the reel's key
};

// The key of one reel and, for a stock transfer, the unit it goes to. The
// reel number is the one the list showed: an edit of the invoice may have
// given the line to another reel since, which is then left alone.
struct ReelMove {
    QString transId;
    QString slNo;
    QString enteringUnit;
    QString toUnit; // unused for an issue to the press
    QString reelNo;
};

// The statements of the two reel-movement windows on inv_invoice_trans. Every
// list holds the reels in the godown of the current unit and company, each
// reel once; every move re-checks that state in its own condition, so a reel
// another workstation changed since the list was read is left alone.
class ReelTransferStore {
public:
    // Godown reels for the issue to the press; a non-blank search keeps the
    // reels whose number holds the trimmed text.
    static QList<ReelRow> pressReels(const QString &search);
    // Godown reels for the stock transfer: with text (as typed), the reels of
    // that transaction id or whose number holds it; without, every reel whose
    // invoice, supplier and brand are on record.
    static QList<ReelRow> stockReels(const QString &text);

    // Marks the reels issued to the press in one transaction; returns how many
    // were issued. A batch that meets another workstation's lock runs again;
    // a failure throws DbError, and then nothing is issued.
    static int issueToPress(const QList<ReelMove> &reels);
    // Moves each reel to its toUnit in one transaction; returns how many moved.
    // Retried and thrown as issueToPress; after a failure nothing moves. A
    // destination that is not a unit of the company, or is the current unit
    // or the corporate office, refuses the whole batch with a DbError.
    static int moveToUnits(const QList<ReelMove> &reels);

    // The destination units of the signed-on user: every unit of theirs but
    // the current one and the corporate office. Fills `values` with what the
    // query binds.
    static QString destinationLookup(QVariantList &values);

    // The unit that is never a destination of a stock transfer.
    static inline const QString kCorporateUnit = QStringLiteral("CRP");
};
