#pragma once
#include "Database.h"
#include <QList>

// A year whose bill tables are read: the stores database that holds its
// bills and payments, and the accounts database that holds its vouchers.
struct BillYear {
    DbName stores;
    DbName accounts;
    bool previous = false;
};

// The years a bill's payments and cheques are read from: the current year's
// pair first, then the previous year's. The previous pair is left out when
// there is no previous year (either name unset) and when its stores database
// is the current one, so no payment is ever read twice.
QList<BillYear> billYears();

// The years to read for a bill held in `billStores` (empty: the current
// stores database). A bill of the current year is paid in the current year
// only; a bill of an earlier year may be paid in its own year and in this one:
// the current pair, then the bill's own stores database with the previous
// accounts database, whose accounts name is empty when there is none (its
// payments are still read; their cheques cannot be).
QList<BillYear> billYearsFor(const DbName &billStores);
