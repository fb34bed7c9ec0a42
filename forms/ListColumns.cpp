#include "ListColumns.h"
#include "Desktop.h"
#include <QDateEdit>

ListColumn listTextColumn(const char *heading, int width, const char *field)
{
    ListColumn c;
    c.heading = QString::fromLatin1(heading);
    c.width = width;
    c.field = QString::fromLatin1(field);
    return c;
}

ListColumn listDateColumn(const char *heading, int width, const char *field)
{
    ListColumn c = listTextColumn(heading, width, field);
    const QString name = c.field;
    c.value = [name](const RecordSet &r, int) { return dateText(r.date(name)); };
    return c;
}

ListColumn listAmountColumn(const char *heading, int width, const char *field)
{
    ListColumn c = listTextColumn(heading, width, field);
    c.kind = ListColumn::Number;
    c.numberFormat = QStringLiteral("0.00");
    c.headingAlignRight = true;
    return c;
}

ListColumn listSerialColumn(const char *heading, int width)
{
    ListColumn c;
    c.heading = QString::fromLatin1(heading);
    c.width = width;
    c.value = [](const RecordSet &, int n) { return QString::number(n); };
    return c;
}

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
