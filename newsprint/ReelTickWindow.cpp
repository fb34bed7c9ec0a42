#include "ReelTickWindow.h"
#include "GridHeading.h"
#include "Twips.h"
#include "Hourglass.h"
#include "Lookup.h"
#include "ReelTickModel.h"
#include "ReelTransferStore.h"
#include "mdlVelmora.h"
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Data rows of an emptied grid; a longer list grows it by one row per reel.
constexpr int kGridRows = 20;
// The designed grid before its first fill: its data rows carry their numbers.
constexpr int kDesignedRows = 19;

// One toggle per window kind, kept for the run like the windows' own state.
bool g_allSelected[2] = {false, false};

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLineEdit *box(const QString &name, QWidget *parent)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(name);
    return b;
}
} // namespace

ReelTickWindow::ReelTickWindow(Kind kind, QWidget *parent) : ChildWindow(parent), m_kind(kind)
{
    const bool toPress = kind == ToPress;
    setObjectName(toPress ? kToPressName : kToUnitName);
    const QString caption = toPress ? QStringLiteral("Transfer To Press") : QStringLiteral("Stock Transfer");
    setCaption(caption);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeTitleLabel(caption, QStringLiteral("Label3"), this));

    if (!toPress) {
        auto *bar = new QHBoxLayout;
        m_txInvoiceNo = box(QStringLiteral("TxInvoiceNo"), this);
        m_txUnitCode = new LookupBox(this);
        m_txUnitCode->setObjectName(QStringLiteral("TxUnitCode"));
        m_txUnitCode->setReadOnly(true); // only the lookup and Del change it
        m_txUnitCode->setShows(LookupBox::Shows::Code);
        m_txUnitCode->setDelClears(true);
        m_txUnitCode->setLookup([] {
            Lookup l;
            l.statement = ReelTransferStore::destinationLookup(l.values);
            l.caption = QStringLiteral("Unit Help");
            l.width = 4000;
            l.displayFields = 2;
            l.columns = {{0, QStringLiteral("Unit Code")}, {4000, QStringLiteral("Unit Name")}};
            return l;
        });
        m_txUnitCode->setFixedWidth(twipsToPixels(1000));
        m_txUnitName = box(QStringLiteral("TxUnitName"), this);
        m_cmSet = makeButton(QStringLiteral("CmSet"), QStringLiteral("Set For All Selected Items"), this);
        m_cmSet->setEnabled(false);
        bar->addWidget(label(QStringLiteral("Label1"), QStringLiteral("Invoice No"), this));
        bar->addWidget(m_txInvoiceNo);
        bar->addSpacing(12);
        bar->addWidget(label(QStringLiteral("Label5"), QStringLiteral("Unit"), this));
        bar->addWidget(m_txUnitCode);
        bar->addWidget(m_txUnitName, 1);
        bar->addWidget(m_cmSet);
        layout->addLayout(bar);
    }

    auto *gridFrame = new QFrame(this);
    auto *gridLayout = new QVBoxLayout(gridFrame);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    buildGrid(gridFrame);
    gridLayout->addWidget(m_grid);
    layout->addWidget(gridFrame, 1);

    if (toPress) {
        m_txSearch = box(QStringLiteral("TxSearch"), this);
        layout->addWidget(m_txSearch);
    }

    auto *bottom = new QFrame(this);
    bottom->setFrameShape(QFrame::StyledPanel);
    auto *bottomLayout = new QHBoxLayout(bottom);
    m_cmTransfer =
        makeButton(QStringLiteral("CmTransfer"),
                   toPress ? QStringLiteral("Transfer Stock To Press") : QStringLiteral("Transfer Stock"), bottom);
    m_cmClose = makeButton(QStringLiteral("CmClose"), QStringLiteral("Close - F9"), bottom);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(m_cmTransfer);
    bottomLayout->addWidget(m_cmClose);
    layout->addWidget(bottom);

    connect(m_cmSelectAll, &QPushButton::clicked, this, &ReelTickWindow::CmSelectAll_Click);
    connect(m_cmTransfer, &QPushButton::clicked, this, &ReelTickWindow::CmTransfer_Click);
    connect(m_cmClose, &QPushButton::clicked, this, &ReelTickWindow::CmClose_Click);
    if (toPress) {
        connect(m_grid, &QTableView::clicked, this, &ReelTickWindow::GrInvoice_Click);
        connect(m_txSearch, &QLineEdit::textChanged, this, [this] {
            FillGrid();
            GrInvoice_Scroll();
        });
        setTabChain({m_cmTransfer, m_cmClose, m_grid, m_cmSelectAll, m_txSearch});
        FillGrid();
    } else {
        connect(m_grid, &QTableView::doubleClicked, this, &ReelTickWindow::GrInvoice_DblClick);
        connect(m_cmSet, &QPushButton::clicked, this, &ReelTickWindow::CmSet_Click);
        // A changed search empties the list, so that no tick stays beside a row it no longer matches.
        connect(m_txInvoiceNo, &QLineEdit::textChanged, this, [this] {
            emptyGrid();
            GrInvoice_Scroll();
        });
        connect(m_txUnitCode, &QLineEdit::textChanged, m_txUnitName, &QLineEdit::clear);
        // A destination chosen is one not yet set into the ticked reels.
        connect(m_txUnitCode, &LookupBox::picked, this, [this](const LookupRow &row) {
            m_txUnitName->setText(row.name());
            m_cmSet->setEnabled(true);
        });
        connect(m_txUnitCode, &LookupBox::cleared, this, [this] {
            m_txUnitName->clear();
            m_cmSet->setEnabled(false);
        });
        selectTextOnEntry({m_txInvoiceNo, m_txUnitCode});
        setTabChain(
            {m_txInvoiceNo, m_cmTransfer, m_cmClose, m_cmSelectAll, m_txUnitCode, m_txUnitName, m_cmSet, m_grid});
        takeKeysFirst({Qt::Key_F5});
        m_model->clear(kDesignedRows, kDesignedRows);
    }
    GrInvoice_Scroll();
    resize(sizeHint());
}

QSize ReelTickWindow::sizeHint() const
{
    return QSize(twipsToPixels(12400), twipsToPixels(m_kind == ToPress ? 7200 : 7800))
        .expandedTo(minimumSizeHint());
}

void ReelTickWindow::buildGrid(QWidget *parent)
{
    m_model = new ReelTickModel(this);
    m_grid = new QTableView(parent);
    m_grid->setObjectName(QStringLiteral("GrInvoice"));
    // Tab leaves the grid (and the select-all button on it) for the next control in tab order.
    m_grid->setTabKeyNavigation(false);
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setCornerButtonEnabled(false);
    m_grid->setWordWrap(false);

    QHeaderView *top = m_grid->horizontalHeader();
    paintHeadingRow(top);
    top->setHighlightSections(false);
    const int unitNameWidth = m_kind == ToPress ? 2800 : 2700;
    const int widths[ReelTickModel::ColumnCount] = {600, 1500, 800,           1200, 800, 800, 1000,
                                                    0,   0,    unitNameWidth, 0,    0,   0,   -1};
    for (int c = 0; c < ReelTickModel::ColumnCount; ++c) {
        if (widths[c] == 0)
            m_grid->setColumnHidden(c, true);
        else if (widths[c] > 0)
            m_grid->setColumnWidth(c, twipsToPixels(widths[c]));
    }

    // The strip of tick pictures beside the rows in view.
    QHeaderView *strip = m_grid->verticalHeader();
    strip->setObjectName(QStringLiteral("ImgStatus"));
    strip->setSectionResizeMode(QHeaderView::Fixed);
    strip->setDefaultSectionSize(20);
    strip->setFixedWidth(22);
    strip->setHighlightSections(false);

    m_cmSelectAll = new QPushButton(m_grid);
    m_cmSelectAll->setObjectName(QStringLiteral("CmSelectAll"));
    m_grid->installEventFilter(this);
}

void ReelTickWindow::placeSelectAll()
{
    const int frame = m_grid->frameWidth();
    m_cmSelectAll->setGeometry(frame, frame, m_grid->verticalHeader()->width(), m_grid->horizontalHeader()->height());
    m_cmSelectAll->raise();
}

void ReelTickWindow::showEvent(QShowEvent *event)
{
    ChildWindow::showEvent(event);
    placeSelectAll();
}

bool ReelTickWindow::AllSelected() const
{
    return g_allSelected[m_kind];
}

bool ReelTickWindow::formKeyDown(QKeyEvent *event)
{
    if (m_kind == ToUnit && event->key() == Qt::Key_F5) {
        FillGrid();
        return true;
    }
    return false;
}

bool ReelTickWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        placeSelectAll();
    if (m_kind == ToUnit && watched == m_txInvoiceNo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TxInvoiceNo_KeyPress();
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

void ReelTickWindow::emptyGrid()
{
    m_model->clear(kGridRows);
}

void ReelTickWindow::FillGrid()
{
    emptyGrid();
    QList<ReelRow> reels;
    QString text;
    const bool read = guarded([&] {
        if (m_kind == ToPress) {
            reels = ReelTransferStore::pressReels(m_txSearch->text());
        } else {
            text = m_txInvoiceNo->text();
            reels = ReelTransferStore::stockReels(text);
        }
    });
    if (read)
        m_model->reset(std::move(reels), kGridRows);
    if (read && m_kind == ToUnit && !text.isEmpty() && m_model->reelCount() == 0)
        MsgBox(QStringLiteral("No Details Found"), MsgButtons::Ok, MsgIcon::Critical);
    if (m_kind == ToUnit)
        GrInvoice_Scroll();
}

void ReelTickWindow::GrInvoice_Scroll()
{
    // The strip asks the model for the pictures of the rows in view.
    m_grid->verticalHeader()->viewport()->update();
}

void ReelTickWindow::toggleCurrentRow()
{
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid() && m_model->toggle(current.row()))
        GrInvoice_Scroll();
}

void ReelTickWindow::GrInvoice_Click()
{
    toggleCurrentRow();
}

void ReelTickWindow::GrInvoice_DblClick()
{
    toggleCurrentRow();
}

void ReelTickWindow::CmSelectAll_Click()
{
    bool &all = g_allSelected[m_kind];
    all = !all;
    m_model->setAllTicks(all);
    GrInvoice_Scroll();
}

int ReelTickWindow::leadingRows(int column) const
{
    const int rows = m_model->rowCount();
    int r = 0;
    while (r < rows && !m_model->text(r, column).isEmpty())
        ++r;
    return r;
}

void ReelTickWindow::CmSet_Click()
{
    const int reels = leadingRows(ReelTickModel::ColGsm);
    if (!anyTicked(reels)) {
        MsgBox(QStringLiteral("No Items Selected.  "), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    const QString code = m_txUnitCode->text().trimmed();
    const QString name = m_txUnitName->text().trimmed();
    for (int r = 0; r < reels; ++r)
        if (m_model->isTicked(r))
            m_model->setDestination(r, code, name);
    m_cmSet->setEnabled(false);
}

void ReelTickWindow::CmTransfer_Click()
{
    if (hourglassShown())
        return;
    Hourglass busy;
    if (m_kind == ToPress)
        transferToPress();
    else
        transferToUnit();
}

void ReelTickWindow::tellNotMoved(int notMoved, int meant)
{
    if (notMoved <= 0)
        return;
    MsgBox(QStringLiteral("%1 of the %2 selected reels were not transferred: another workstation has issued, "
                          "moved or changed them since the list was shown.   ")
               .arg(notMoved)
               .arg(meant),
           MsgButtons::Ok, MsgIcon::Information);
}

bool ReelTickWindow::anyTicked(int rows) const
{
    for (int r = 0; r < rows; ++r)
        if (m_model->isTicked(r))
            return true;
    return false;
}

void ReelTickWindow::runBatch(const QString &question, bool toUnit)
{
    int meant = 0;
    int moved = 0;
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::Question, gCompName) == MsgAnswer::Yes) {
        QList<ReelMove> reels;
        const int rows = leadingRows(ReelTickModel::ColReelNo);
        for (int r = 0; r < rows; ++r) {
            if (!m_model->isTicked(r))
                continue;
            const ReelRow &reel = m_model->reel(r);
            const QString to = toUnit ? reel.unitCode.trimmed() : QString();
            // A ticked reel that was given no destination stays where it is.
            if (toUnit && (to.isEmpty() || to == gUnitCode))
                continue;
            reels.append({reel.transId, reel.slNo, reel.enteringUnit, to, reel.reelNo});
        }
        meant = int(reels.size());
        const bool done = guarded(
            [&] { moved = toUnit ? ReelTransferStore::moveToUnits(reels) : ReelTransferStore::issueToPress(reels); });
        if (!done)
            meant = 0; // the failure was shown; nothing moved
    }
    FillGrid();
    GrInvoice_Scroll();
    if (toUnit)
        m_cmSet->setEnabled(!m_txUnitCode->text().isEmpty());
    tellNotMoved(meant - moved, meant);
}

void ReelTickWindow::transferToPress()
{
    runBatch(QStringLiteral("Are you sure you want to Transfer the Stock to Press?"), false);
}

void ReelTickWindow::transferToUnit()
{
    if (!anyTicked(leadingRows(ReelTickModel::ColReelNo))) {
        MsgBox(QStringLiteral("Please Select an Entry.   "), MsgButtons::Ok, MsgIcon::Critical);
        return;
    }
    if (m_cmSet->isEnabled()) {
        MsgBox(QStringLiteral("Please Set the Unit For Selected Reels.   "), MsgButtons::Ok, MsgIcon::Critical);
        m_cmSet->setFocus(Qt::OtherFocusReason);
        return;
    }
    runBatch(QStringLiteral("Are you sure you want to Transfer the Stock to Unit?"), true);
}

void ReelTickWindow::CmClose_Click()
{
    unload();
}

void ReelTickWindow::TxInvoiceNo_KeyPress()
{
    QString pattern;
    // A clerk types only the number of the transaction; the counter gives its prefix and width.
    if (!guarded([&] { pattern = GetNextNumber(QStringLiteral("INV_") + gCompCode + u'_' + gUnitCode); }))
        return;
    m_txInvoiceNo->setText(CombineCode(pattern, m_txInvoiceNo->text()));
    SelectAllText(m_txInvoiceNo);
    FillGrid();
    GrInvoice_Scroll();
}
