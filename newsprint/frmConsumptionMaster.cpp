#include "frmConsumptionMaster.h"
#include "Desktop.h"
#include "NumericKey.h"
#include "SheetView.h"
#include "frmListView.h"
#include "mdlVelmora.h"
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kNewCaption = QStringLiteral("New - F2");
const QString kSaveCaption = QStringLiteral("Save - F5");
const QString kOverBooked = QStringLiteral("Consumed Quantity Could Be Greater Than Quantity Available in the Reel  ");
const QString kBadReel = QStringLiteral("Please Enter the Reel No. Correctly.  ");
const QString kNoUnit = QStringLiteral("Please Select the Unit.   ");

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(true); // Enter on a focused button presses it
    return b;
}

Decimal numberOf(const QLineEdit *box)
{
    return Decimal::fromText(box->text());
}

// The quantity a booking is cut back to: what the reel holds, in the two
// decimals the box shows unless that would round above it.
QString cutBackText(Decimal available)
{
    return available.rounded(2) == available ? available.toText(2) : available.toText(3);
}
} // namespace

frmConsumptionMaster::frmConsumptionMaster(QWidget *parent) : ChildWindow(parent)
{
    setObjectName(QStringLiteral("frmConsumptionMaster"));
    setCaption(QStringLiteral("Consumption"));

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(makeTitleLabel(QStringLiteral("Newsprint Consumption"), QStringLiteral("LbTitle"), this));

    auto makeBox = [this](QLineEdit **box, const char *name, bool locked, bool right) {
        auto *b = new QLineEdit(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setReadOnly(locked);
        if (right)
            b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *box = b;
    };
    makeBox(&m_txConsumptionCode, "TxConsumptionCode", true, false);
    makeBox(&m_txReelNo, "TxReelNo", false, false);
    makeBox(&m_txSupplierName, "TxSupplierName", false, false);
    makeBox(&m_txBrandName, "TxBrandName", false, false);
    makeBox(&m_txGSM, "TxGSM", false, true);
    makeBox(&m_txReelType, "TxReelType", false, true);
    makeBox(&m_txRate, "TxRate", false, true);
    makeBox(&m_txProductCode, "TxProductCode", true, false);
    makeBox(&m_txQty, "TxQty", false, true);
    makeBox(&m_txAmount, "TxAmount", true, true);
    makeBox(&m_txProductName, "TxProductName", false, false);
    makeBox(&m_txQtyAvail, "TxQtyAvail", false, true);
    makeBox(&m_txUnitCode, "TxUnitCode", true, false);
    makeBox(&m_txUnitName, "TxUnitName", false, false);
    QFont big = m_txAmount->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_txAmount->setFont(big);

    m_dtCons = new QDateEdit(this);
    m_dtCons->setObjectName(QStringLiteral("DTCons"));
    m_dtCons->setLocale(QLocale::c());
    m_dtCons->setDisplayFormat(QStringLiteral("dd-MMM-yyyy"));
    m_dtCons->setCalendarPopup(true);

    auto *grid = new QGridLayout;
    auto label = [this, grid](const char *name, const char *text, QWidget *buddy, int row, int column) {
        auto *l = new QLabel(QString::fromLatin1(text), this);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(buddy);
        grid->addWidget(l, row, column);
    };
    label("LbConsumptionCode", "Consuption Code", m_txConsumptionCode, 0, 0);
    grid->addWidget(m_txConsumptionCode, 0, 1);
    label("LbDate", "Date", m_dtCons, 0, 4);
    grid->addWidget(m_dtCons, 0, 5);
    label("LbReelNo", "Reel No", m_txReelNo, 1, 0);
    grid->addWidget(m_txReelNo, 1, 1);
    label("LbQtyAvail", "Quantity Available in this Reel (Kg)", m_txQtyAvail, 1, 2);
    grid->addWidget(m_txQtyAvail, 1, 5);
    label("LbSupplier", "Supplier", m_txSupplierName, 2, 0);
    grid->addWidget(m_txSupplierName, 2, 1, 1, 5);
    label("LbBrand", "Brand", m_txBrandName, 3, 0);
    grid->addWidget(m_txBrandName, 3, 1, 1, 5);
    label("LbGSM", "GSM", m_txGSM, 4, 0);
    grid->addWidget(m_txGSM, 4, 1);
    label("LbReelType", "Reel Type", m_txReelType, 4, 2);
    grid->addWidget(m_txReelType, 4, 3);
    label("LbRate", "Rate", m_txRate, 4, 4);
    grid->addWidget(m_txRate, 4, 5);
    label("LbProduct", "Product", m_txProductCode, 5, 0);
    grid->addWidget(m_txProductCode, 5, 1);
    grid->addWidget(m_txProductName, 5, 2, 1, 4);
    label("LbUnit", "Unit", m_txUnitCode, 6, 0);
    grid->addWidget(m_txUnitCode, 6, 1);
    grid->addWidget(m_txUnitName, 6, 2, 1, 4);
    label("LbQty", "Quantity in KG", m_txQty, 7, 0);
    grid->addWidget(m_txQty, 7, 1);
    label("LbAmount", "Amount", m_txAmount, 7, 4);
    grid->addWidget(m_txAmount, 7, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    outer->addLayout(grid);

    auto *bar = new QFrame(this);
    bar->setFrameShape(QFrame::StyledPanel);
    auto *buttons = new QHBoxLayout(bar);
    m_cmNew = button(QStringLiteral("CmNew"), kNewCaption, bar);
    m_cmEdit = button(QStringLiteral("CmEdit"), QStringLiteral("Edit - F3"), bar);
    m_cmCancel = button(QStringLiteral("CmCancel"), QStringLiteral("Cancel - F8"), bar);
    m_cmClose = button(QStringLiteral("CmClose"), QStringLiteral("Close - F9"), bar);
    for (QPushButton *b : {m_cmNew, m_cmEdit, m_cmCancel, m_cmClose})
        buttons->addWidget(b);
    outer->addWidget(bar);
    connect(m_cmNew, &QPushButton::clicked, this, &frmConsumptionMaster::CmNew_Click);
    connect(m_cmEdit, &QPushButton::clicked, this, &frmConsumptionMaster::CmEdit_Click);
    connect(m_cmCancel, &QPushButton::clicked, this, &frmConsumptionMaster::CmCancel_Click);
    connect(m_cmClose, &QPushButton::clicked, this, &frmConsumptionMaster::CmClose_Click);

    const QList<QWidget *> order{m_txConsumptionCode,
                                 m_dtCons,
                                 m_txReelNo,
                                 m_txSupplierName,
                                 m_txBrandName,
                                 m_txGSM,
                                 m_txReelType,
                                 m_txRate,
                                 m_txProductCode,
                                 m_txQty,
                                 m_txAmount,
                                 m_cmNew,
                                 m_cmEdit,
                                 m_cmCancel,
                                 m_cmClose,
                                 m_txProductName,
                                 m_txQtyAvail,
                                 m_txUnitCode,
                                 m_txUnitName};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    connect(m_txQty, &QLineEdit::textChanged, this, &frmConsumptionMaster::TxQty_Change);
    connect(m_txRate, &QLineEdit::textChanged, this, &frmConsumptionMaster::TxRate_Change);
    connect(m_txProductCode, &QLineEdit::textChanged, m_txProductName, &QLineEdit::clear);
    connect(m_txUnitCode, &QLineEdit::textChanged, m_txUnitName, &QLineEdit::clear);
    // Only the clerk's typing: the lookup writes the box too.
    connect(m_txReelNo, &QLineEdit::textEdited, this, &frmConsumptionMaster::TxReelNo_Edited);
    new NumericKeyFilter(m_txQty, NumericKeySettings{12, 3, 1, false}, NumericKeySettings{12, 2, 1, false});
    installNumericKey(m_txRate, NumericKeySettings{12, 2, 1, false});

    resize(sizeHint());
    takeKeysFirst({Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F5, Qt::Key_F8, Qt::Key_F9, Qt::Key_Delete,
                   Qt::Key_Return, Qt::Key_Enter});
    selectTextOnEntry();
    SetEditMode(false);

    // Load: the booking handed over by the list, if any.
    if (!gSelectedCode.isEmpty()) {
        m_loading = true;
        LoadRecord(gSelectedCode);
        m_loading = false;
    }
}

frmConsumptionMaster::~frmConsumptionMaster() = default;

QSize frmConsumptionMaster::sizeHint() const
{
    const QSize designed(SheetView::twipsToPixels(9000), SheetView::twipsToPixels(5600));
    return designed.expandedTo(minimumSizeHint());
}

void frmConsumptionMaster::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        CenterForm(this);
    }
}

ConsumptionStore frmConsumptionMaster::store() const
{
    return ConsumptionStore(gConnection, {gInvDbName, gAcDbName, gCompCode, gUnitCode, userIdNumber()});
}

bool frmConsumptionMaster::isEntering() const
{
    return m_cmNew->text() != kNewCaption;
}

bool frmConsumptionMaster::formKeyDown(QKeyEvent *event)
{
    if (entryWindowKey(this, event->key()))
        return true;
    QWidget *at = focusWidget();
    const int key = event->key();
    if (key == Qt::Key_F1) {
        if (at == m_txReelNo)
            reelLookup();
        else if (at == m_txProductCode)
            productLookup();
        else if (at == m_txUnitCode)
            unitLookup();
        else
            return false;
        return true;
    }
    if (key == Qt::Key_Delete) {
        if (at != m_txUnitCode)
            return false;
        m_txUnitCode->clear();
        m_txUnitName->clear();
        return true;
    }
    // Enter moves along the chain reel, product, quantity, Save.
    if (at == m_txReelNo) {
        if (!m_txSupplierName->text().isEmpty()) {
            m_txProductCode->setFocus(Qt::OtherFocusReason);
        } else {
            MsgBox(kBadReel, MsgButtons::Ok, MsgIcon::Critical);
            m_txReelNo->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    if (at == m_txProductCode || at == m_txRate) {
        m_txQty->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (at == m_txQty) {
        m_cmNew->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (at == m_txUnitCode) {
        if (m_txUnitName->text().isEmpty()) {
            MsgBox(kNoUnit, MsgButtons::Ok, MsgIcon::Critical);
            m_txUnitCode->setFocus(Qt::OtherFocusReason);
        } else if (m_txQty->isEnabled()) {
            m_txQty->setFocus(Qt::OtherFocusReason);
        } else {
            m_cmNew->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    return false;
}

void frmConsumptionMaster::reelLookup()
{
    QVariantList values;
    const QString query = store().reelLookupQuery(m_txReelNo->text(), &values);
    clearHelpCols();
    if (!guarded([&] {
            frmListView::ShowForm(query, values, 8, QStringLiteral("Reel No"), 10600,
                                  {{1000, QStringLiteral("Reel No")},
                                   {4000, QStringLiteral("Supplier")},
                                   {2500, QStringLiteral("Brand")},
                                   {1000, QStringLiteral("GSM")},
                                   {1000, QStringLiteral("ReelType")},
                                   {1000, QStringLiteral("Rate")},
                                   {0, QStringLiteral("Weight")},
                                   {0, QStringLiteral("Trans Id")}});
        }))
        return;
    // No reel matched (or none was taken): the reel and its details are emptied.
    m_txReelNo->setText(gHelpCol1);
    m_reelTag = gHelpCol8;
    m_txSupplierName->setText(gHelpCol2);
    m_txBrandName->setText(gHelpCol3);
    m_txGSM->setText(gHelpCol4);
    m_txReelType->setText(gHelpCol5);
    const bool chosen = !gHelpCol1.isEmpty();
    const QString rate = chosen ? Decimal::fromText(gHelpCol6).toText(2) : QString();
    const QString weight = chosen ? Decimal::fromText(gHelpCol7).toText(2) : QString();
    clearHelpCols();
    m_txRate->setText(rate); // recomputes the amount
    m_txQtyAvail->setText(weight);
    m_qtyAvailTag = weight;
    if (!chosen)
        return;
    guarded([&] {
        const Decimal available = store().available(m_txReelNo->text(), m_reelTag);
        m_txQtyAvail->setText(available.toText(2));
        m_qtyAvailTag = Decimal::fromText(available.toText(2)).toString();
    });
}

void frmConsumptionMaster::productLookup()
{
    clearHelpCols();
    const bool ran = guarded([] {
        frmListView::ShowForm(ConsumptionStore::productLookupQuery(), {}, 2, QStringLiteral("Products"), 5000,
                              {{1000, QStringLiteral("Code")}, {4000, QStringLiteral("Name")}});
    });
    // Nothing chosen (no product at all): the box keeps its product.
    if (ran && !gHelpCol1.isEmpty()) {
        m_txProductCode->setText(gHelpCol1);
        m_txProductName->setText(gHelpCol2);
    }
    clearHelpCols();
}

void frmConsumptionMaster::unitLookup()
{
    clearHelpCols();
    const bool ran = guarded([] {
        frmListView::ShowForm(ConsumptionStore::unitLookupQuery(), {}, 2, QStringLiteral("Unit Help"), 4000,
                              {{0, QStringLiteral("Unit Code")}, {4000, QStringLiteral("Unit Name")}});
    });
    if (ran && !gHelpCol1.isEmpty()) {
        m_txUnitCode->setText(gHelpCol1);
        m_txUnitName->setText(gHelpCol2);
    }
    clearHelpCols();
}

void frmConsumptionMaster::TxReelNo_Edited()
{
    // A reel number typed over a looked-up one names no reel: its details and
    // its available quantity go, and Save waits for another lookup.
    if (m_reelTag.isEmpty() && m_txSupplierName->text().isEmpty())
        return;
    m_reelTag.clear();
    m_txSupplierName->clear();
    m_txBrandName->clear();
    m_txGSM->clear();
    m_txReelType->clear();
    m_qtyAvailTag = QStringLiteral("0");
    m_txQtyAvail->setText(QStringLiteral("0.00"));
}

void frmConsumptionMaster::showAmount()
{
    m_txAmount->setText((numberOf(m_txQty) * numberOf(m_txRate)).toText(2));
}

void frmConsumptionMaster::TxQty_Change()
{
    if (m_loading)
        return;
    const Decimal available = Decimal::fromText(m_qtyAvailTag);
    const Decimal qty = numberOf(m_txQty);
    if (available >= qty) {
        m_txQtyAvail->setText((available - qty).toText(2));
        showAmount();
        return;
    }
    MsgBox(kOverBooked, MsgButtons::Ok, MsgIcon::Critical);
    m_txQty->setText(cutBackText(available)); // runs this again: nothing left, amount of the rest
    m_txQtyAvail->setText((available - numberOf(m_txQty)).toText(2));
    m_txQty->selectAll();
    m_txUnitCode->setFocus(Qt::OtherFocusReason);
}

void frmConsumptionMaster::TxRate_Change()
{
    showAmount();
}

void frmConsumptionMaster::CmNew_Click()
{
    if (!isEntering()) {
        m_cmNew->setText(kSaveCaption);
        ClearFields();
        m_txConsumptionCode->setText(GetNextNumber(ConsumptionStore::seriesKey(gCompCode, gUnitCode)));
        SetEditMode(true);
        m_txReelNo->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!m_editMode && m_reelTag.isEmpty()) {
        MsgBox(kBadReel, MsgButtons::Ok, MsgIcon::Critical);
        m_txReelNo->setFocus(Qt::OtherFocusReason);
        return;
    }
    const struct {
        bool failing;
        const char *message;
        MsgIcon icon;
        QWidget *focus;
    } checks[] = {
        {m_txProductCode->text().isEmpty(), "Please Enter the Product.  ", MsgIcon::Information, m_txProductCode},
        {numberOf(m_txQty).isZero(), "Please Enter the Quantity.  ", MsgIcon::Information, m_txQty},
        {numberOf(m_txRate).isZero(), "Please Enter the Rate.  ", MsgIcon::Information, m_txRate},
        {numberOf(m_txAmount).isZero(), "Please Enter the Amount.  ", MsgIcon::Information, m_txAmount},
        {m_txUnitName->text().isEmpty(), "Please Select the Unit.   ", MsgIcon::Critical, m_txUnitCode},
    };
    for (const auto &c : checks) {
        if (c.failing) {
            MsgBox(QString::fromLatin1(c.message), MsgButtons::Ok, c.icon);
            c.focus->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (m_editMode) {
        if (SaveEdit()) {
            m_editMode = false;
            SetEditMode(false);
        }
        return;
    }
    if (SaveNew())
        SetEditMode(false);
}

bool frmConsumptionMaster::SaveNew()
{
    ConsumptionEntry e;
    e.date = m_dtCons->date();
    e.productCode = m_txProductCode->text();
    e.reelNo = m_txReelNo->text();
    e.transId = m_reelTag;
    e.qty = numberOf(m_txQty);
    e.rate = numberOf(m_txRate);
    e.amount = numberOf(m_txAmount);
    e.consUnitCode = m_txUnitCode->text();
    SaveNewResult r;
    if (!guarded([&] { r = store().saveNew(e); }))
        return false;
    switch (r.outcome) {
    case SaveNewResult::Saved:
        // The code the counter gave inside the save, which another
        // workstation's save may have moved on from the one shown at New.
        m_txConsumptionCode->setText(r.code);
        m_qtyAvailTag = r.available.toString();
        m_txQtyAvail->setText((r.available - e.qty).toText(2));
        return true;
    case SaveNewResult::OverBooked:
        // Others booked from the reel since it was chosen: what it holds now.
        m_qtyAvailTag = r.available.toString();
        TxQty_Change();
        return false;
    case SaveNewResult::NoSuchReel:
        MsgBox(kBadReel, MsgButtons::Ok, MsgIcon::Critical);
        m_txReelNo->setFocus(Qt::OtherFocusReason);
        return false;
    case SaveNewResult::Duplicate:
        MsgBox(QStringLiteral("The Same Consumption Already Exists.   "), MsgButtons::Ok, MsgIcon::Information);
        m_txConsumptionCode->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return false;
}

bool frmConsumptionMaster::SaveEdit()
{
    qint64 matched = 0;
    if (!guarded([&] {
            matched = store().saveEdit(m_txConsumptionCode->text(), m_dtCons->date(), m_txProductCode->text(),
                                       m_txUnitCode->text());
        }))
        return false;
    if (matched == 0) {
        MsgBox(QStringLiteral("Nothing was changed: the consumption was not found.   "), MsgButtons::Ok,
               MsgIcon::Information);
        return false;
    }
    return true;
}

void frmConsumptionMaster::LoadRecord(const QString &code)
{
    std::optional<ConsumptionRecord> found;
    if (!guarded([&] { found = store().loadRecord(code); }))
        return;
    if (!found)
        return; // no such booking: the window keeps what it shows
    m_txConsumptionCode->setText(found->code);
    m_dtCons->setDate(found->date);
    m_txProductCode->setText(found->productCode);
    m_txProductName->setText(found->productName);
    m_txSupplierName->setText(found->supplierName);
    m_txBrandName->setText(found->brandName);
    m_txGSM->setText(found->gsmName);
    m_txReelType->setText(found->reelTypeName);
    m_txReelNo->setText(found->reelNo);
    m_txQty->setText(found->qty.toText(3));
    m_txRate->setText(found->rate.toText(2));
    m_txAmount->setText(found->amount.toText(2));
    m_txUnitCode->setText(found->consUnitCode);
    m_txUnitName->setText(GetUnitName(found->consUnitCode));
}

void frmConsumptionMaster::SetEditMode(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_txConsumptionCode, m_txProductCode, m_txProductName, m_txReelNo, m_txQtyAvail, m_txSupplierName,
             m_txBrandName, m_txGSM, m_txReelType, m_txQty, m_txRate, m_txAmount, m_dtCons, m_txUnitCode, m_txUnitName})
        w->setEnabled(on);
    m_cmEdit->setEnabled(!on);
    m_cmClose->setEnabled(!on);
    m_cmCancel->setEnabled(on);
    m_cmNew->setText(on ? kSaveCaption : kNewCaption);
    if (!on)
        m_editMode = false;
}

void frmConsumptionMaster::ClearFields()
{
    m_txConsumptionCode->clear();
    m_txReelNo->clear();
    // A new entry books against no reel until one is looked up.
    m_reelTag.clear();
    m_txSupplierName->clear();
    m_qtyAvailTag = QStringLiteral("0");
    m_txQtyAvail->setText(QStringLiteral("0.00"));
    m_txBrandName->clear();
    m_txGSM->clear();
    m_txReelType->clear();
    m_txRate->setText(QStringLiteral("0.00"));
    m_txUnitCode->setText(gUnitCode);
    m_txUnitName->setText(GetUnitName(gUnitCode));
    m_txProductCode->clear();
    m_txAmount->setText(QStringLiteral("0.00"));
    m_txQty->setText(QStringLiteral("0.00"));
    m_dtCons->setDate(today());
}

void frmConsumptionMaster::CmEdit_Click()
{
    m_editMode = true;
    SetEditMode(true);
    for (QWidget *w : std::initializer_list<QWidget *>{m_txReelNo, m_txBrandName, m_txGSM, m_txReelType, m_txQty})
        w->setEnabled(false);
}

void frmConsumptionMaster::CmCancel_Click()
{
    SetEditMode(false);
}

void frmConsumptionMaster::CmClose_Click()
{
    unload();
}
