#include "frmListView.h"
#include "GridTextModel.h"
#include "ListTable.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {
std::function<void(frmListView &)> g_driver;

constexpr int kColumns = 11;   // column 0 hidden, 1 to 10 the query's fields
constexpr int kGridRows = 100; // rows of a fresh grid, the heading row included
constexpr int kGridStep = 10;
constexpr int kRowsAboveLast = 15; // a long list opens showing its last rows
constexpr int kHandedOver = 8;

// Rows are found through the search box, by name; typing in the grid finds nothing.
class LookupGrid : public QTableView {
public:
    using QTableView::QTableView;
    void keyboardSearch(const QString &) override {}
};

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

void frmListView::setTestDriver(std::function<void(frmListView &)> driver)
{
    g_driver = std::move(driver);
}

frmListView::frmListView(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmListView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);

    m_model = new GridTextModel(this);
    QStringList headings;
    for (int c = 0; c < kColumns; ++c)
        headings << QString();
    m_model->setHeadings(headings);
    m_model->setAlignment(2, Qt::AlignLeft | Qt::AlignVCenter);
    m_model->setAlignment(3, Qt::AlignLeft | Qt::AlignVCenter);
    m_model->clear(kGridRows - 1);

    m_grid = new LookupGrid(this);
    m_grid->setObjectName(QStringLiteral("GrHelp"));
    m_grid->setTabKeyNavigation(false); // Tab goes back to the search box
    setUpListTable(m_grid, m_model);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_grid->setColumnHidden(0, true);
    m_grid->installEventFilter(this);
    // A double-click anywhere on the grid chooses its current row, on the headings too.
    m_grid->viewport()->installEventFilter(this);
    m_grid->horizontalHeader()->viewport()->installEventFilter(this);
    layout->addWidget(m_grid, 1);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->installEventFilter(this);
    layout->addWidget(m_search);

    m_widths = QVector<int>(kColumns, 0);
    m_grid->setCurrentIndex(m_model->index(0, 1));
    m_search->setFocus(Qt::OtherFocusReason);

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        if (current.isValid() && !m_filling)
            handOverCurrentRow();
    });
    connect(m_search, &QLineEdit::textChanged, this, &frmListView::search);
}

void frmListView::ShowForm(const QString &HelpQry, const QVariantList &values, int DisplayFields,
                           const QString &HelpText, int FormWidth, const QList<LookupColumn> &columns)
{
    // A failing query goes back to the caller.
    RecordSet rs = gConnection.query(HelpQry, values);
    if (!rs.next()) {
        rs.close();
        return;
    }
    const ActivationKeeper keeper;
    frmListView dlg(keeper.window());
    dlg.layOut(HelpText, FormWidth, columns);
    dlg.fill(rs, std::clamp(DisplayFields, 1, kColumns - 1));
    rs.close();

    dlg.setWindowModality(Qt::ApplicationModal);
    dlg.show();
    dlg.setTopRow(dlg.m_topRow);
    if (g_driver) {
        g_driver(dlg);
        if (dlg.isVisible())
            dlg.reject();
    } else {
        dlg.exec();
    }
}

void frmListView::layOut(const QString &caption, int formWidth, const QList<LookupColumn> &columns)
{
    setWindowTitle(caption);
    m_widths[0] = 0;
    QStringList headings{QString()};
    for (int c = 1; c < kColumns; ++c) {
        const LookupColumn col = c - 1 < columns.size() ? columns.at(c - 1) : LookupColumn{};
        int width = col.width;
        if (c == 2 && width > 0)
            width -= 450;
        m_widths[c] = width;
        headings << col.heading;
    }
    m_model->setHeadings(headings);
    for (int c = 0; c < kColumns; ++c) {
        m_grid->setColumnHidden(c, m_widths.at(c) <= 0);
        if (m_widths.at(c) > 0)
            m_grid->setColumnWidth(c, twipsToPixels(m_widths.at(c)));
    }
    setFixedWidth(twipsToPixels(formWidth));
    m_grid->setFixedWidth(twipsToPixels(formWidth - 80));
    m_search->setFixedWidth(twipsToPixels(formWidth - 80));
    // Room for the heading and sixteen rows.
    m_grid->setMinimumHeight(m_grid->horizontalHeader()->sizeHint().height()
                             + 16 * m_grid->verticalHeader()->defaultSectionSize() + 4);
}

void frmListView::fill(RecordSet &rs, int displayFields)
{
    QList<QStringList> records;
    int gridRows = kGridRows;
    int i = 0;
    do {
        ++i;
        if (i >= gridRows - 1)
            gridRows += kGridStep; // an empty row always stays below the records
        QStringList row{QString()};
        // NULL and missing fields show empty; dates show as the clerk reads them everywhere.
        for (int k = 1; k <= displayFields; ++k)
            row << (k - 1 < rs.columnCount() ? shownText(rs, k - 1) : QString());
        records << row;
    } while (rs.next());
    // The list opens on its first row without handing it over.
    m_filling = true;
    m_model->reset(records, gridRows - 1);
    m_grid->setCurrentIndex(m_model->index(0, 1));
    m_filling = false;
    m_topRow = i > kRowsAboveLast ? i - kRowsAboveLast : 1;
}

int frmListView::gridRowCount() const
{
    return m_model->rowCount() + 1;
}

QString frmListView::cellText(int row, int column) const
{
    return m_model->text(row - 1, column);
}

int frmListView::currentRow() const
{
    const QModelIndex i = m_grid->currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

int frmListView::topVisibleRow() const
{
    return m_grid->rowAt(0) + 1;
}

int frmListView::columnWidth(int column) const
{
    return column >= 0 && column < m_widths.size() ? m_widths.at(column) : 0;
}

void frmListView::setCurrentRow(int row)
{
    const int column = std::max(1, m_grid->currentIndex().column());
    m_grid->setCurrentIndex(m_model->index(row - 1, column));
}

void frmListView::setTopRow(int row)
{
    m_topRow = row;
    m_grid->verticalScrollBar()->setValue(row - 1);
}

void frmListView::handOverCurrentRow()
{
    const int row = currentRow();
    for (int k = 1; k <= kHandedOver; ++k)
        gHelpCol(k) = cellText(row, k);
}

void frmListView::handOverSearchRow()
{
    const int row = currentRow();
    for (int k = 1; k <= kHandedOver; ++k)
        gHelpCol(k) = cellText(k <= 3 ? m_searchRow : row, k);
}

void frmListView::chooseCurrentRow()
{
    handOverCurrentRow();
    accept();
}

void frmListView::chooseSearchRow()
{
    handOverSearchRow();
    accept();
}

void frmListView::search(const QString &text)
{
    if (text.isEmpty()) {
        setTopRow(1);
        setCurrentRow(1);
        gHelpCol1.clear();
        gHelpCol2.clear();
        return;
    }
    const QString wanted = text.toUpper();
    const int lastRow = gridRowCount() - 1;
    // The name column alone is searched, in the order of the query.
    for (m_searchRow = 1; m_searchRow <= lastRow; ++m_searchRow) {
        if (cellText(m_searchRow, 1).isEmpty())
            return;
        if (cellText(m_searchRow, 2).left(text.size()).toUpper() == wanted) {
            setTopRow(m_searchRow);
            setCurrentRow(m_searchRow);
            handOverSearchRow();
            return;
        }
    }
}

bool frmListView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick
        && (watched == m_grid->viewport() || watched == m_grid->horizontalHeader()->viewport())) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            chooseCurrentRow();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == m_grid) {
            if (isEnter(key)) {
                chooseCurrentRow();
                return true;
            }
            if (key == Qt::Key_Escape) {
                chooseSearchRow();
                return true;
            }
        } else if (watched == m_search) {
            if (isEnter(key) || key == Qt::Key_Escape) {
                chooseSearchRow();
                return true;
            }
            if (key == Qt::Key_Down) {
                m_grid->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusIn && watched == m_search) {
        SelectAllText(m_search);
    }
    return QDialog::eventFilter(watched, event);
}

void frmListView::keyPressEvent(QKeyEvent *event)
{
    // Esc chooses like Enter in the search box; it never cancels.
    if (event->key() == Qt::Key_Escape) {
        chooseSearchRow();
        return;
    }
    QDialog::keyPressEvent(event);
}
