#include "BillReportKit.h"
#include "Sheet.h"
#include "WindowRegistry.h"
#include "mdlVelmora.h"

#include <QComboBox>
#include <QMetaObject>

QComboBox *billTypeList(QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("CbType"));
    list->addItems({QStringLiteral("Newsprint"), QStringLiteral("Other Stores"), QStringLiteral("Fixed Assets")});
    list->setCurrentIndex(-1);
    return list;
}

BillKind billKindOf(int index)
{
    return index >= 0 && index <= 2 ? BillKind(index) : BillKind::None;
}

QString billsTitle(const QDate &from, const QDate &to)
{
    return from == to ? QStringLiteral("Fixed Asset Bills as on ") + dateText(from)
                      : QStringLiteral("Fixed Asset Bills from %1 to %2").arg(dateText(from), dateText(to));
}

void openFixedAssetBill(const QString &code, const QString &storesDb)
{
    QWidget *w = WindowRegistry::instance().open(QStringLiteral("frmFAInvoiceMaster"));
    if (!w)
        return;
    QMetaObject::invokeMethod(w, "showRecord", Q_ARG(QString, code), Q_ARG(QString, storesDb));
}

BillSummaryWindow::BillSummaryWindow(ReportConfig config, QWidget *parent) : ReportWindow(std::move(config), parent)
{
    TxSuppCode = codeBox(QStringLiteral("TxSuppCode"), {}, false);
    TxSuppCode->setLookup(
        [this] { return Lookup::scheme(BillReportStore::current().supplierLookup(TxSuppCode->text())); });
    selectOnEntry(TxSuppCode);
}

void BillSummaryWindow::summaryColumns(ReportConfig &c)
{
    c.columns = {{QStringLiteral("Sl No"), 1200},
                 {QStringLiteral("Supplier"), 6000},
                 {QStringLiteral("Bills"), 3200},
                 {QStringLiteral("Amount"), 3200}};
    c.keyColumns = {{QStringLiteral("Ac Code"), 0}};
    c.headingAlignedLeft = true;
}

void BillSummaryWindow::writeSummary(const QList<BillSummaryRow> &rows)
{
    Sheet &s = *sheet();
    qint64 bills = 0;
    Decimal amount;
    int serial = 0;
    for (const BillSummaryRow &r : rows) {
        const int n = ++row();
        s.setCellText(n, 1, QString::number(++serial));
        s.setCellText(n, 2, r.acName);
        s.setCellText(n, 3, QString::number(r.bills));
        s.setCellNumber(n, 4, r.amount);
        setRowKey(n, kAcCodeKey, r.acCode);
        bills += r.bills;
        amount += r.amount;
    }
    styleBody(5, row(), 3, 4);
    const int t = nextTotalRow();
    s.setCellText(t, 2, QStringLiteral("Total"));
    s.setCellText(t, 3, QString::number(bills));
    s.setCellNumber(t, 4, amount.rounded(2));
    styleTotalRow(t, 2, 3, 4);
    finishFill(t);
}

void BillSummaryWindow::drillDown(int row)
{
    openSupplier(rowKey(row, kAcCodeKey), sheet()->CellText(row, 2));
}
