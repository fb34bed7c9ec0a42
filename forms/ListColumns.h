#pragma once
#include "ListWindow.h"

class QDateEdit;
class QWidget;

// Columns of the list windows: a query field as text, a date as "dd-MMM-yyyy",
// an amount as a number of format "0.00" under a right-aligned heading, and
// the running number of the row.
ListColumn listTextColumn(const char *heading, int width, const char *field);
ListColumn listDateColumn(const char *heading, int width, const char *field);
ListColumn listAmountColumn(const char *heading, int width, const char *field);
ListColumn listSerialColumn(const char *heading, int width);

// A list's date filter: "dd-MMM-yyyy" with its calendar, today to begin with.
QDateEdit *listDatePicker(const QString &name, QWidget *parent);
