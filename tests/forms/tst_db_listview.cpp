#include "TestSupport.h"
#include "frmListView.h"
#include "Twips.h"
#include "mdlVelmora.h"
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

// The lookup list on real queries: what it shows and which row it hands over.
class TestListView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noRowShowsNoWindow();
    void opensWithSearchBoxAndFirstRow();
    void handOver_data();
    void handOver();
    void gridGrowsAndOpensAtLastRows_data();
    void gridGrowsAndOpensAtLastRows();
    void fieldsAndColumns();
    void valuesAreBound();
    void datesAsTheClerkReadsThem_data();
    void datesAsTheClerkReadsThem();
};

namespace {
// Four rows of nine fields: code, name, then r<row>c<k>.
const char *kFourRows = "Select 'C01' a,'Zinc' b,'r1c3' c,'r1c4' d,'r1c5' e,'r1c6' f,'r1c7' g,'r1c8' h,'r1c9' i "
                        "union all Select 'C02','abacus','r2c3','r2c4','r2c5','r2c6','r2c7','r2c8','r2c9' "
                        "union all Select 'C03','Abrasive','r3c3','r3c4','r3c5','r3c6','r3c7','r3c8','r3c9' "
                        "union all Select 'C04','Ink','r4c3','r4c4','r4c5','r4c6','r4c7','r4c8','r4c9'";

// n rows: code Knnn, name Name nnn.
const char *kCounted = "With recursive s(n) as (Select 1 union all Select n+1 from s where n<?) "
                       "Select concat('K', lpad(n,3,'0')), concat('Name ', lpad(n,3,'0')) from s";

QList<LookupColumn> nineColumns()
{
    QList<LookupColumn> cols{{1200, "Code"}, {3000, "Name"}};
    for (int k = 3; k <= 9; ++k)
        cols.append({800, QStringLiteral("F%1").arg(k)});
    return cols;
}

QString cell(int row, int k)
{
    if (row == 0)
        return QString();
    return k == 1 ? QStringLiteral("C0%1").arg(row)
        : k == 2  ? QStringList{"Zinc", "abacus", "Abrasive", "Ink"}.at(row - 1)
                  : QStringLiteral("r%1c%2").arg(row).arg(k);
}

// The eight hand-over values: columns 1 to 3 of one row, 4 to 8 of another (0: empty texts).
QString expected(int rowFor1to3, int rowFor4to8)
{
    QStringList v;
    for (int k = 1; k <= 8; ++k)
        v << cell(k <= 3 ? rowFor1to3 : rowFor4to8, k);
    return v.join(u'|');
}

QString handedOver()
{
    QStringList v;
    for (int k = 1; k <= 8; ++k)
        v << gHelpCol(k);
    return v.join(u'|');
}

// Plays the clerk's steps on the shown list: "t:text" types into the focused
// control, Enter/Esc/Down/Up/Bs/Tab press that key there, "dbl:N" double-clicks grid
// row N, "dblhead" double-clicks the headings, "close" closes the window by its frame.
void play(frmListView &dlg, const QString &steps)
{
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (!dlg.isVisible())
            return;
        QWidget *target = dlg.focusWidget() ? dlg.focusWidget() : dlg.searchBox();
        if (step.startsWith("t:")) {
            QTest::keyClicks(target, step.mid(2));
        } else if (step.startsWith("dbl:")) {
            QTableView *grid = dlg.grid();
            const QRect r = grid->visualRect(grid->model()->index(step.mid(4).toInt() - 1, 1));
            // Through the window, so that press, release and the second press arrive as from the desktop.
            QTest::mouseDClick(dlg.windowHandle(), Qt::LeftButton, {}, grid->viewport()->mapTo(&dlg, r.center()));
        } else if (step == "dblhead") {
            QHeaderView *head = dlg.grid()->horizontalHeader();
            const QPoint at(head->sectionViewportPosition(2) + 5, head->height() / 2);
            QTest::mouseDClick(dlg.windowHandle(), Qt::LeftButton, {}, head->viewport()->mapTo(&dlg, at));
        } else if (step == "close") {
            dlg.close();
        } else {
            const QHash<QString, Qt::Key> keys{{"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape},
                                               {"Down", Qt::Key_Down},    {"Up", Qt::Key_Up},
                                               {"Bs", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab}};
            QVERIFY2(keys.contains(step), qPrintable(step));
            QTest::keyClick(target, keys.value(step));
        }
    }
}
} // namespace

void TestListView::init()
{
    connectAndReset();
    setClerkContext();
}

void TestListView::cleanup()
{
    frmListView::setTestDriver({});
}

void TestListView::noRowShowsNoWindow()
{
    bool shown = false;
    frmListView::setTestDriver([&](frmListView &) { shown = true; });
    gHelpCol1 = QStringLiteral("left as it was");
    frmListView::ShowForm("Select m_code, m_name from vstores_2024.inv_measurement where comp_code=?", {"02"}, 2,
                          "Measurement", 5000, {{1500, "Code"}, {3500, "Measurement"}});
    QVERIFY(!shown);
    QCOMPARE(gHelpCol1, QString("left as it was"));
    QCOMPARE(gHelpCol2, QString());
}

void TestListView::opensWithSearchBoxAndFirstRow()
{
    bool shown = false;
    frmListView::setTestDriver([&](frmListView &dlg) {
        shown = true;
        QCOMPARE(dlg.windowTitle(), QString("Units"));
        QVERIFY(dlg.isModal());
        QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(dlg.searchBox()));
        QCOMPARE(dlg.searchBox()->objectName(), QString("txtSearch"));
        QCOMPARE(dlg.grid()->objectName(), QString("GrHelp"));
        QCOMPARE(dlg.currentRow(), 1);
        QCOMPARE(dlg.searchRow(), 1);
        QCOMPARE(dlg.cellText(1, 2), QString("Zinc"));
        QCOMPARE(dlg.cellText(4, 1), QString("C04"));
        QCOMPARE(dlg.cellText(5, 1), QString());
        QCOMPARE(dlg.grid()->model()->headerData(2, Qt::Horizontal).toString(), QString("Name"));
        // Opening hands nothing over: only a row change or a choice does.
        QCOMPARE(handedOver(), expected(0, 0));
        dlg.close();
    });
    frmListView::ShowForm(kFourRows, {}, 9, "Units", 6000, nineColumns());
    QVERIFY(shown);
}

void TestListView::handOver_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("handed");
    QTest::addColumn<bool>("chosen"); // closed by a choice rather than by its frame

    QTest::newRow("Enter in the search box at once") << "Enter" << expected(1, 1) << true;
    QTest::newRow("Esc chooses too") << "Esc" << expected(1, 1) << true;
    QTest::newRow("typed start finds the first name in query order") << "t:ab Enter" << expected(2, 2) << true;
    QTest::newRow("search ignores case") << "t:AB Enter" << expected(2, 2) << true;
    QTest::newRow("longer start finds a later row") << "t:abr Enter" << expected(3, 3) << true;
    QTest::newRow("codes are not searched") << "t:C0 Enter" << expected(0, 1) << true;
    QTest::newRow("no match keeps the current row") << "t:ink t:x Enter" << expected(0, 4) << true;
    QTest::newRow("Down moves to the grid, Enter there chooses the current row")
        << "Down Down Enter" << expected(2, 2) << true;
    QTest::newRow("double-click on the headings chooses the current row")
        << "Down Down dblhead" << expected(2, 2) << true;
    QTest::newRow("typing in the grid finds no row") << "Down t:C03 Enter" << expected(1, 1) << true;
    QTest::newRow("Tab in the grid goes back to the search box") << "Down Tab t:abr Esc" << expected(3, 3) << true;
    QTest::newRow("double-click chooses") << "dbl:3" << expected(3, 3) << true;
    QTest::newRow("Esc in the grid takes 1-3 from the search row") << "t:ink Down Up Esc" << expected(4, 3) << true;
    QTest::newRow("closing leaves the last row change") << "Down Down Down close" << expected(3, 3) << false;
    QTest::newRow("clearing the search empties code and name")
        << "t:in Bs Bs close" << QStringList{"", "", "r1c3", "r1c4", "r1c5", "r1c6", "r1c7", "r1c8"}.join(u'|')
        << false;
}

void TestListView::handOver()
{
    QFETCH(QString, steps);
    QFETCH(QString, handed);
    QFETCH(bool, chosen);
    bool accepted = false;
    frmListView::setTestDriver([&](frmListView &dlg) {
        play(dlg, steps);
        accepted = !dlg.isVisible() && dlg.result() == QDialog::Accepted;
    });
    frmListView::ShowForm(kFourRows, {}, 9, "Units", 6000, nineColumns());
    QCOMPARE(handedOver(), handed);
    QCOMPARE(accepted, chosen);
}

void TestListView::gridGrowsAndOpensAtLastRows_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("gridRows"); // the heading row included
    QTest::addColumn<int>("topRow");
    QTest::newRow("one") << 1 << 100 << 1;
    QTest::newRow("sixteen fit") << 16 << 100 << 1;
    QTest::newRow("seventeen scroll") << 17 << 100 << 2;
    QTest::newRow("forty") << 40 << 100 << 25;
    QTest::newRow("98 keep the first grid") << 98 << 100 << 83;
    QTest::newRow("99 grow it") << 99 << 110 << 84;
    QTest::newRow("109 grow it again") << 109 << 120 << 94;
}

void TestListView::gridGrowsAndOpensAtLastRows()
{
    QFETCH(int, records);
    QFETCH(int, gridRows);
    QFETCH(int, topRow);
    frmListView::setTestDriver([&](frmListView &dlg) {
        QCOMPARE(dlg.gridRowCount(), gridRows);
        QCOMPARE(dlg.cellText(records, 1), QStringLiteral("K%1").arg(records, 3, 10, QChar(u'0')));
        for (int r = records + 1; r < gridRows; ++r)
            QVERIFY2(dlg.cellText(r, 1).isEmpty(), qPrintable(QString::number(r)));
        QCOMPARE(dlg.topVisibleRow(), topRow);
        QCOMPARE(dlg.currentRow(), 1);
        QTest::keyClick(dlg.searchBox(), Qt::Key_Down);
        QTest::keyClick(dlg.grid(), Qt::Key_Return);
    });
    frmListView::ShowForm(kCounted, {records}, 2, "Counted", 5000, {{1500, "Code"}, {3500, "Name"}});
    QCOMPARE(gHelpCol1, QString("K001"));
    QCOMPARE(gHelpCol2, QString("Name 001"));
}

void TestListView::fieldsAndColumns()
{
    // Field 3 is NULL, field 4 shows in a hidden column, field 5 is asked for but missing.
    const QString sql = "Select 'A1', 'Alpha', NULL, 'hidden', 'x' from dual where ?=1";
    frmListView::setTestDriver([&](frmListView &dlg) {
        QCOMPARE(dlg.cellText(1, 3), QString());
        QCOMPARE(dlg.cellText(1, 4), QString("hidden"));
        QCOMPARE(dlg.cellText(1, 6), QString());
        QCOMPARE(dlg.columnWidth(0), 0);
        QCOMPARE(dlg.columnWidth(1), 1000);
        QCOMPARE(dlg.columnWidth(2), 2550); // the name column gives up room for the scroll bar
        QVERIFY(dlg.grid()->isColumnHidden(0));
        QVERIFY(!dlg.grid()->isColumnHidden(2));
        QVERIFY(dlg.grid()->isColumnHidden(4));
        QCOMPARE(dlg.grid()->columnWidth(2), 170);
        QCOMPARE(dlg.width(), twipsToPixels(4000));
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    frmListView::ShowForm(sql, {1}, 6, "Fields", 4000, {{1000, "Code"}, {3000, "Name"}, {800, "Third"}, {0, ""}});
    QCOMPARE(handedOver(), QString("A1|Alpha||hidden|x|||"));

    // Fields beyond DisplayFields are not shown; a name column of width 0 stays hidden.
    frmListView::setTestDriver([&](frmListView &dlg) {
        QCOMPARE(dlg.cellText(1, 3), QString());
        QCOMPARE(dlg.columnWidth(2), 0);
        QVERIFY(dlg.grid()->isColumnHidden(2));
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    frmListView::ShowForm(sql, {1}, 2, "Fields", 4000, {{1000, "Code"}, {0, "Name"}});
    QCOMPARE(handedOver(), QString("A1|Alpha||||||"));
}

void TestListView::valuesAreBound()
{
    const QString name = QStringLiteral("O'Neil \\' or 1=1 --");
    gConnection.execute(
        "Insert into vstores_2024.inv_measurement (unit_code, comp_code, m_code, m_name) values ('TVM','01','M0007',?)",
        {name});
    int records = 0;
    frmListView::setTestDriver([&](frmListView &dlg) {
        while (!dlg.cellText(records + 1, 1).isEmpty())
            ++records;
        QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
    });
    frmListView::ShowForm("Select m_code, m_name from vstores_2024.inv_measurement where m_name=?", {name}, 2, "Bound",
                          4000, {{1000, "Code"}, {3000, "Name"}});
    QCOMPARE(records, 1);
    QCOMPARE(gHelpCol1, QString("M0007"));
    QCOMPARE(gHelpCol2, name);
}

void TestListView::datesAsTheClerkReadsThem_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    QTest::newRow("date") << "DATE '2024-04-01'"
                          << "01-Apr-2024";
    QTest::newRow("date-time at midnight") << "TIMESTAMP '2024-12-09 00:00:00'"
                                           << "09-Dec-2024";
    QTest::newRow("date-time with a time") << "TIMESTAMP '2024-12-09 14:05:09'"
                                           << "09-Dec-2024 14:05:09";
    QTest::newRow("NULL date") << "CAST(NULL AS DATE)"
                               << "";
    QTest::newRow("text that looks like a date stays as it is") << "'2024-04-01'"
                                                                << "2024-04-01";
}

void TestListView::datesAsTheClerkReadsThem()
{
    QFETCH(QString, field);
    QFETCH(QString, shown);
    // A reel lookup shows the invoice date beside the reel; the date is both shown and handed over.
    const QString sql = "Select 'R001' code, 'Reel 1' name, " + field + " d";
    QString inGrid;
    frmListView::setTestDriver([&](frmListView &dlg) {
        inGrid = dlg.cellText(1, 3);
        QTest::keyClick(dlg.grid(), Qt::Key_Return);
    });
    frmListView::ShowForm(sql, {}, 3, "Reels", 6000, {{1000, "Code"}, {3000, "Name"}, {1500, "Date"}});
    QCOMPARE(inGrid, shown);
    QCOMPARE(gHelpCol3, shown);
}

QTEST_MAIN(TestListView)
#include "tst_db_listview.moc"
