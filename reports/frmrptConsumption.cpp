#include "frmrptConsumption.h"
#include "NewsprintReportStore.h"
#include "ProductPickModel.h"
#include "Sheet.h"
#include "mdlVelmora.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr ColorNumber kRed = 192;
const QString kArial = QStringLiteral("arial");

// Printed: serial, date, reel, quantity and amount; brand headings and
// totals as lines of their own.
PrintMapping printMapping()
{
    PrintMapping m;
    m.columns = {1, 2, 3, 4, 6};
    m.rowKind = [](const Sheet &s, int row) {
        if (!s.CellText(row, 1).isEmpty())
            return PrintMapping::Body;
        const QString label = s.CellText(row, 2);
        if (label.isEmpty())
            return PrintMapping::Skip;
        if (label.startsWith(u"Total (") || label.startsWith(u"Total  (") || label == u"Grand Total")
            return PrintMapping::Total;
        return PrintMapping::Body;
    };
    return m;
}
} // namespace

ReportConfig frmrptConsumption::reportConfig()
{
    ReportConfig c;
    c.windowName = QStringLiteral("frmrptConsumption");
    c.caption = QStringLiteral("Consumption");
    c.sheetName = QStringLiteral("FBook");
    c.dateRange = true;
    c.exportDateIsTo = true;
    c.unitLookupByCirculation = true;
    c.placeholderTitle = QStringLiteral("News Print Consumption");
    c.bodyFont = kArial;
    c.bodyAlignedLeft = false;
    c.columns = {{QStringLiteral("Sl No"), 1200},       {QStringLiteral("Date"), 3000},
                 {QStringLiteral("Particulars"), 7000}, {QStringLiteral("Quantity"), 3500},
                 {QStringLiteral("Rate"), 3500},        {QStringLiteral("Amount"), 3500},
                 {QStringLiteral("Unit"), 1500},        {QStringLiteral("Product"), 2500}};
    c.firstNumericColumn = 4;
    c.lastNumericColumn = 5;
    c.numericFormat = true;
    c.printMapping = printMapping();
    return c;
}

frmrptConsumption::frmrptConsumption(QWidget *parent) : ReportWindow(reportConfig(), parent)
{
    TxReelNo = makeBox(QStringLiteral("TxReelNo"), this);
    TxProductCode = codeBox(
        QStringLiteral("TxProductCode"),
        [] {
            return Lookup::of(NewsprintReportStore::productLookup(), QStringLiteral("Products"), 5000,
                              {{1000, QStringLiteral("Code")}, {4000, QStringLiteral("Name")}});
        },
        false);
    TxProductName = makeBox(QStringLiteral("TxProductName"), this);
    TxMaterialCode = codeBox(QStringLiteral("TxMaterialCode"), {}, false);
    TxMaterialCode->setLookup([this] {
        return Lookup::of(NewsprintReportStore::materialLookup(gCompCode, TxMaterialCode->text()),
                          QStringLiteral("Material"), 5000,
                          {{0, QStringLiteral("Code")}, {5000, QStringLiteral("Name")}});
    });
    // These boxes show the code itself; the name goes beside them.
    for (LookupBox *b : {TxProductCode, TxMaterialCode})
        b->setShows(LookupBox::Shows::Code);
    TxMaterialName = makeBox(QStringLiteral("TxMaterialName"), this);

    QGridLayout *g = filterGrid();
    auto label = [this](const char *text) { return new QLabel(QString::fromLatin1(text), this); };
    g->addWidget(label("From"), 0, 0);
    g->addWidget(DtFrom, 0, 1);
    g->addWidget(label("To"), 1, 0);
    g->addWidget(Dtto, 1, 1);
    g->addWidget(label("Unit"), 0, 2);
    g->addWidget(TxUnitCode, 0, 3);
    g->addWidget(label("Reel No"), 1, 2);
    g->addWidget(TxReelNo, 1, 3);
    g->addWidget(label("Product"), 0, 4);
    g->addWidget(TxProductCode, 0, 5);
    g->addWidget(TxProductName, 0, 6);
    g->addWidget(label("Type"), 1, 4);
    g->addWidget(TxMaterialCode, 1, 5);
    g->addWidget(TxMaterialName, 1, 6);

    auto *frame = new QGroupBox(this);
    auto *frameLayout = new QVBoxLayout(frame);
    m_products = new ProductPickModel(this);
    GrProduct = new QTableView(frame);
    GrProduct->setObjectName(QStringLiteral("GrProduct"));
    GrProduct->setModel(m_products);
    GrProduct->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrProduct->setSelectionBehavior(QAbstractItemView::SelectRows);
    GrProduct->setSelectionMode(QAbstractItemView::SingleSelection);
    GrProduct->verticalHeader()->hide();
    GrProduct->setColumnHidden(ProductPickModel::Code, true);
    GrProduct->setColumnHidden(ProductPickModel::Flag, true);
    GrProduct->setColumnWidth(ProductPickModel::Name, 2500 / 15);
    GrProduct->horizontalHeader()->setStretchLastSection(true);
    frameLayout->addWidget(GrProduct);
    g->addWidget(frame, 0, 7, 3, 1);
    connect(GrProduct, &QTableView::clicked, this, &frmrptConsumption::GrProduct_Click);

    // Any change of a code empties its name; a lookup then writes the new one.
    connect(TxProductCode, &QLineEdit::textChanged, TxProductName, &QLineEdit::clear);
    connect(TxMaterialCode, &QLineEdit::textChanged, TxMaterialName, &QLineEdit::clear);
    connect(TxProductCode, &LookupBox::picked, this, [this](const LookupRow &r) { TxProductName->setText(r.name()); });
    connect(TxMaterialCode, &LookupBox::picked, this,
            [this](const LookupRow &r) { TxMaterialName->setText(r.name()); });
    selectOnEntry(TxProductCode);
    setEnterChain({DtFrom, Dtto, TxUnitCode, CmShow});
    setEnterChain({TxProductCode, TxMaterialCode, CmShow});

    guarded([this] { LoadProductList(); });
}

void frmrptConsumption::LoadProductList()
{
    QList<QPair<QString, QString>> list;
    for (const ProductEntry &p : NewsprintReportStore::current().products())
        list.append({p.code, p.name});
    m_products->setProducts(list);
}

void frmrptConsumption::GrProduct_Click(const QModelIndex &index)
{
    if (index.isValid())
        m_products->toggle(index.row());
}

void frmrptConsumption::writeBrandTotal(int r, const QString &label, Decimal total)
{
    Sheet &s = *sheet();
    s.setCellText(r, 2, label);
    s.setCellNumber(r, 6, total.rounded(2));
    s.SelectCells(r, 1, r, s.ColumnCount());
    s.SetSelectionFont(kArial, 9, true, false, false, false, kRed, false, false);
    s.SelectCells(r, 4, r, 6);
    s.SetSelectionAlignment(CellFormat::AlignRight, false, CellFormat::AlignMiddle, 0);
    s.setSelectionNumberFormat(QStringLiteral("0.00"));
}

void frmrptConsumption::FillSheet()
{
    clearBody();
    const QStringList products = m_products->includedCodes();
    if (products.isEmpty()) {
        MsgBox(QStringLiteral("Please Select Any of the products.   "), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    const QDate from = DtFrom->date();
    const QDate to = Dtto->date();
    if (from > to) {
        MsgBox(QStringLiteral("To date must be greater than From Date.   "), MsgButtons::Ok, MsgIcon::Information);
        Dtto->setFocus();
        return;
    }
    const QString list = products.join(u',').left(150);
    setTitle(from == to ? QStringLiteral("Consumption  (%1)  As on %2").arg(list, dateText(from))
                        : QStringLiteral("Consumption  (%1)  from %2 to %3").arg(list, dateText(from), dateText(to)));

    ConsumptionFilter f;
    f.from = from;
    f.to = to;
    f.products = products;
    f.unitCode = filterCode(TxUnitCode);
    f.productCode = TxProductCode->text();
    f.reelNo = TxReelNo->text();

    Sheet &s = *sheet();
    const int columns = s.ColumnCount();
    int serial = 0;
    QString brand;
    bool first = true;
    Decimal brandTotal, grandTotal;
    QList<QPair<int, Decimal>> brandTotals; // row and total, with the brand's label written later
    QStringList brandLabels;
    NewsprintReportStore::current().consumption(f, [&](const ConsumptionRow &r) {
        if (first || r.brandName != brand) {
            if (!first) {
                ++row();
                brandTotals.append({row(), brandTotal});
                brandLabels.append(QStringLiteral("Total (") + brand + u')');
                brandTotal = Decimal();
                ++row(); // one empty row before the next brand
            }
            first = false;
            brand = r.brandName;
            addGroupHeading(2, brand);
        }
        ++row();
        ++serial;
        const int n = row();
        s.setCellText(n, 1, QString::number(serial));
        s.setCellText(n, 3, r.reelNo);
        s.setCellText(n, 2, dateText(r.date));
        s.setCellText(n, 4, r.qty.toText(3));
        s.setCellText(n, 5, r.rate.toText(2));
        s.setCellNumber(n, 6, r.amount.rounded(2));
        s.setCellText(n, 7, r.unitCode);
        s.setCellText(n, 8, r.productCode);
        brandTotal += r.amount;
        grandTotal += r.amount;
    });
    if (first)
        return; // nothing found: no total rows
    // One format for the whole body, then the heading and total rows over it:
    // the same look as row by row, without a format call per row.
    styleBody(5, row(), 4, 6);
    styleGroupHeadings(1, columns, 8);
    for (int i = 0; i < brandTotals.size(); ++i)
        writeBrandTotal(brandTotals[i].first, brandLabels[i], brandTotals[i].second);
    ++row();
    writeBrandTotal(row(), QStringLiteral("Total  (") + brand + u')', brandTotal);
    row() += 2;
    writeBrandTotal(row(), QStringLiteral("Grand Total"), grandTotal);
    EndOfFill end;
    end.rowsAfter = 2;
    end.growPast = 20;
    end.scrollPast = 15;
    end.rowsAbove = 13;
    finishFill(row(), end);
}
