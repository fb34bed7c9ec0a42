#include "ListColumns.h"
#include "Desktop.h"
#include <QDateEdit>

QDateEdit *listDatePicker(const QString &name, QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setCalendarPopup(true);
    d->setLocale(QLocale::c());
    d->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    d->setDate(now().date());
    return d;
}
