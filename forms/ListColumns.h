#pragma once
#include <QString>

class QDateEdit;
class QWidget;

// A list's date filter: "dd-MMM-yyyy" with its calendar, today to begin with.
QDateEdit *listDatePicker(const QString &name, QWidget *parent);
