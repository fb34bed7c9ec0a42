#pragma once
#include "Sheet.h"
#include "mdlVelmora.h"

#include <QStringList>

// Reels, invoices and bookings with known totals for the newsprint reports.
// Company 01 unless said otherwise; every invoice finalised unless said.
//   INV1 (TVM, Kerala Newsprint Mills, brand B0001 "Kerala Newsprint", 01-May-2024):
//     R1  500 kg at 45.68, godown, TVM
//     R2 1000 kg at 40, press, bookings 250 + 150
//     R3 1000 kg at 40, press, bookings 200 + 300 cancelled
//     R4  800 kg at 40, press, booked whole
//     R5  700 kg at 40, press, used up
//     R6  600 kg at 40, godown, moved to KTM
//   INV2 (TVM, Hindustan Paper Traders, brand B0004 "Tamil Newsprint"): R7 300 kg at 50, godown, 48.8 GSM, half reel
//   INV3 (TVM, not finalised): R8
//   INV4 (entered in KTM, Malabar Paper Agency, brand B0001): R9 400 kg at 42, godown, KTM
//   Company 02 has its own INV1 with a reel R1 (booked in July) and a brand B0001 of its own name.
// Bookings in July 2024: R2 250 + 150 (P01, 1st and 2nd) and 100.5 (P02, 5th);
// R3 200 (P02) and 300 cancelled; R4 800 (P01, in KTM); R7 50 at 50 (P01, 6th).
// insertProducts: P01 "Morning Edition", P02 "Evening Edition", P03 "Weekly".
inline void insertNewsprintFixture()
{
    gConnection.runScript(QStringLiteral(R"(
INSERT INTO vstores_2024.inv_brandmaster (unit_code, comp_code, brand_code, brand_name, brand_group) VALUES
 ('TVM', '01', 'B0004', 'Tamil Newsprint', 0),
 ('TVM', '02', 'B0001', 'Another Company Brand', 0);
INSERT INTO vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_supp_code, inv_brand_code, inv_finalize) VALUES
 ('TVM', '01', 'INV1', 'K-1', '2024-05-01', '441200001', 'B0001', 1),
 ('TVM', '01', 'INV2', 'H-7', '2024-06-01', '441200002', 'B0004', 1),
 ('TVM', '01', 'INV3', 'K-9', '2024-06-05', '441200001', 'B0001', 0),
 ('KTM', '01', 'INV4', 'M-2', '2024-06-10', '441100105', 'B0001', 1),
 ('TVM', '02', 'INV1', 'P-1', '2024-05-01', '441200001', 'B0001', 1);
INSERT INTO vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag) VALUES
 ('TVM', '01', 'INV1', 1, 'R1', 'GSM0001', 'RT0001', 500, 45.68, 'TVM', 1, 0, 0),
 ('TVM', '01', 'INV1', 2, 'R2', 'GSM0001', 'RT0001', 1000, 40, 'TVM', 1, 1, 0),
 ('TVM', '01', 'INV1', 3, 'R3', 'GSM0001', 'RT0001', 1000, 40, 'TVM', 1, 1, 0),
 ('TVM', '01', 'INV1', 4, 'R4', 'GSM0001', 'RT0001', 800, 40, 'TVM', 1, 1, 0),
 ('TVM', '01', 'INV1', 5, 'R5', 'GSM0001', 'RT0001', 700, 40, 'TVM', 1, 1, 1),
 ('TVM', '01', 'INV1', 6, 'R6', 'GSM0001', 'RT0001', 600, 40, 'KTM', 1, 0, 0),
 ('TVM', '01', 'INV2', 1, 'R7', 'GSM0002', 'RT0002', 300, 50, 'TVM', 1, 0, 0),
 ('TVM', '01', 'INV3', 1, 'R8', 'GSM0001', 'RT0001', 999, 40, 'TVM', 0, 0, 0),
 ('KTM', '01', 'INV4', 1, 'R9', 'GSM0001', 'RT0001', 400, 42, 'KTM', 1, 0, 0),
 ('TVM', '02', 'INV1', 1, 'R1', 'GSM0001', 'RT0001', 900, 40, 'TVM', 1, 0, 0);
INSERT INTO vstores_2024.inv_consumption (unit_code, cons_unit_code, comp_code, cons_no, cons_date, cons_pdt_code, cons_reel_no, cons_inv_no, cons_qty, cons_rate, cons_amt, cons_cancel_flag) VALUES
 ('TVM', 'TVM', '01', 'CN1', '2024-07-01', 'P01', 'R2', 'INV1', 250, 40, 10000, 0),
 ('TVM', 'TVM', '01', 'CN2', '2024-07-02', 'P01', 'R2', 'INV1', 150, 40, 6000, 0),
 ('TVM', 'TVM', '01', 'CN3', '2024-07-01', 'P02', 'R3', 'INV1', 200, 40, 8000, 0),
 ('TVM', 'TVM', '01', 'CN4', '2024-07-03', 'P02', 'R3', 'INV1', 300, 40, 12000, 1),
 ('TVM', 'KTM', '01', 'CN5', '2024-07-04', 'P01', 'R4', 'INV1', 800, 40, 32000, 0),
 ('TVM', 'TVM', '01', 'CN6', '2024-07-05', 'P02', 'R2', 'INV1', 100.5, 40, 4020, 0),
 ('TVM', 'TVM', '01', 'CN7', '2024-07-06', 'P01', 'R7', 'INV2', 50, 50, 2500, 0),
 ('TVM', 'TVM', '02', 'CN8', '2024-07-01', 'P01', 'R1', 'INV1', 100, 40, 4000, 0);
)"));
}

// KTM's invoice stored by an older program under TVM's code INV1, with its
// own reel R2 at the press in KTM and a booking made there.
void insertSharedIdOfKtm()
{
    gConnection.runScript(QStringLiteral(R"(
INSERT INTO vstores_2024.inv_invoice (unit_code, comp_code, inv_trans_id, inv_invoice_no, inv_date, inv_supp_code, inv_brand_code, inv_finalize) VALUES
 ('KTM', '01', 'INV1', 'K-KTM', '2024-05-01', '441200002', 'B0004', 1);
INSERT INTO vstores_2024.inv_invoice_trans (unit_code, comp_code, invtrans_id, invtrans_slno, invtrans_reel_no, invtrans_gsm, invtrans_reel_type, invtrans_weight, invtrans_rate, invtrans_unit_code, invtrans_finalize, invtrans_cons_flag, invtrans_util_flag) VALUES
 ('KTM', '01', 'INV1', 1, 'R2', 'GSM0001', 'RT0001', 1000, 30, 'KTM', 1, 1, 0);
INSERT INTO vstores_2024.inv_consumption (unit_code, cons_unit_code, comp_code, cons_no, cons_date, cons_pdt_code, cons_reel_no, cons_inv_no, cons_qty, cons_rate, cons_amt, cons_cancel_flag) VALUES
 ('KTM', 'KTM', '01', 'KCN1', '2024-07-03', 'P01', 'R2', 'INV1', 300, 30, 9000, 0);
)"));
}

// The products the consumption report offers, in place of the fixture's.
inline void insertProducts()
{
    gConnection.runScript(QStringLiteral(R"(
DELETE FROM velmora.productmaster;
INSERT INTO velmora.productmaster (product_code, product_name, product_priority) VALUES
 ('P02', 'Evening Edition', 2), ('P01', 'Morning Edition', 1), ('P03', 'Weekly', 3);
)"));
}

// The sheet's rows from 5 to the row counter: "H:<unit or brand>" for a
// heading, the data cells joined by "|" for other rows, "" for an empty row.
inline QStringList sheetRows(const Sheet &s, int lastRow, const QList<int> &columns)
{
    QStringList rows;
    for (int r = 5; r <= lastRow; ++r) {
        QStringList cells;
        bool any = false;
        for (int c : columns) {
            cells << s.CellText(r, c);
            any = any || !cells.last().isEmpty();
        }
        rows << (any ? cells.join(u'|') : QString());
    }
    return rows;
}
