#include "GridTextModel.h"
#include "ItemMasterWindow.h"
#include "MasterWindowTest.h"
#include "frmListView.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// The item windows: the code/name master with the measurement, on the real database.
class TestItemMaster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsEveryItemOnce_data();
    void listsEveryItemOnce();
    void newItem_data();
    void newItem();
    void itemKindsShareOneSeries();
    void newItemChecks_data();
    void newItemChecks();
    void duplicateNewNames_data();
    void duplicateNewNames();
    void renames_data();
    void renames();
    void tabOrderByKeys_data();
    void tabOrderByKeys();
    void measurementLookup();
    void lookupThatChoosesNothingKeepsBoxes_data();
    void lookupThatChoosesNothingKeepsBoxes();

private:
    ItemMasterWindow *open(const QString &window);
    QLineEdit *box(const char *name) const { return m_w->findChild<QLineEdit *>(name); }
    QPushButton *button(const char *name) const { return m_w->findChild<QPushButton *>(name); }
    void press(Qt::Key key);
    void type(const QString &text);
    // F1 in the measurement box; the lookup list is driven by `choose`.
    void lookUp(const std::function<void(frmListView &)> &choose);
    QStringList gridRows() const;

    MasterWindowFixture m_fixture;
    QPointer<ItemMasterWindow> m_w;
};

namespace {
ItemMasterKind kind(const QString &window)
{
    for (const ItemMasterKind &k : itemMasterKinds())
        if (k.windowName == window)
            return k;
    return {};
}

void chooseByTyping(frmListView &dlg, const QString &text)
{
    QTest::keyClicks(dlg.searchBox(), text);
    QTest::keyClick(dlg.searchBox(), Qt::Key_Return);
}
} // namespace

void TestItemMaster::init()
{
    m_fixture.setUp();
}

void TestItemMaster::cleanup()
{
    frmListView::setTestDriver({});
    delete m_w.data();
    m_fixture.tearDown();
}

ItemMasterWindow *TestItemMaster::open(const QString &window)
{
    m_w = new ItemMasterWindow(kind(window));
    showActive(m_w);
    return m_w;
}

void TestItemMaster::press(Qt::Key key)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_w.data();
    QTest::keyClick(target, key);
}

void TestItemMaster::type(const QString &text)
{
    // A character the keyboard gives outside Latin-1 comes as the key's text alone.
    for (const QChar c : text) {
        if (c.unicode() < 0x100) {
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(QApplication::focusWidget(), &press);
    }
}

void TestItemMaster::lookUp(const std::function<void(frmListView &)> &choose)
{
    frmListView::setTestDriver(choose);
    box("TxMeasure")->setFocus();
    press(Qt::Key_F1);
    frmListView::setTestDriver({});
}

QStringList TestItemMaster::gridRows() const
{
    QStringList rows;
    for (int r = 0; r < m_w->gridModel()->recordCount(); ++r)
        rows << QStringList{m_w->gridModel()->text(r, 1), m_w->gridModel()->text(r, 2), m_w->gridModel()->text(r, 3)}
                    .join(u':');
    return rows;
}

void TestItemMaster::listsEveryItemOnce_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QStringList>("rows"); // code:name:measurement, by name
    QTest::newRow("other stores: type 1, a missing measurement shows empty")
        << "frmItemMasterGeneral"
        << "01"
        << QStringList{"I0003:BLANKET WASH:", "12:CLEANING CLOTH:Nos", "120:CLEANING CLOTH ROLL:Nos",
                       "I0002:PRINTING INK:Kg"};
    QTest::newRow("fixed assets: both types")
        << "frmFAItemMaster"
        << "01"
        << QStringList{"I0003:BLANKET WASH:", "12:CLEANING CLOTH:Nos", "120:CLEANING CLOTH ROLL:Nos",
                       "I0001:DESKTOP COMPUTER:Nos", "I0002:PRINTING INK:Kg"};
    QTest::newRow("own company's measurement first, another company's when it has none")
        << "frmItemMasterGeneral"
        << "02" << QStringList{"I0001:CO2 ITEM:Kilogram", "I0002:CO2 LIQUID:Litre"};
}

void TestItemMaster::listsEveryItemOnce()
{
    QFETCH(QString, window);
    QFETCH(QString, company);
    QFETCH(QStringList, rows);
    // Measurement codes that two companies hold, and one only company 01 holds.
    gConnection.runScript(
        "Insert into vstores_2024.inv_measurement (comp_code, m_code, m_name) values "
        "('02','M0001','Numbers'), ('02','M0002','Kilogram'), ('01','M0005','Litre');\n"
        "Insert into vstores_2024.inv_itemmaster (comp_code, item_code, item_name, item_measure, item_type) values "
        "('02','I0001','CO2 ITEM','M0002',1), ('02','I0002','CO2 LIQUID','M0005',1);\n");
    gCompCode = company;
    open(window);
    QCOMPARE(gridRows(), rows);
    QCOMPARE(m_w->grid()->objectName(), QString("GrItem"));
    QCOMPARE(m_w->gridModel()->headerData(3, Qt::Horizontal).toString(), QString("Measurement"));
    QCOMPARE(m_w->grid()->columnWidth(3), twipsToPixels(1750));
    QCOMPARE(m_w->gridModel()->rowCount(), 29);
    const QStringList order{"CmCancel", "CmClose", "CmEdit",    "CmNew",        "TxCode",
                            "TxName",   "GrItem",  "TxMeasure", "TxMeasureName"};
    QCOMPARE(tabOrder(m_w, "CmCancel", order), order);
    QVERIFY(box("TxMeasure")->isEnabled());
    QVERIFY(box("TxMeasure")->isReadOnly());
    QVERIFY(box("TxMeasureName")->isEnabled());
}

void TestItemMaster::newItem_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("itemType");
    QTest::newRow("other stores") << "frmItemMasterGeneral" << 1;
    QTest::newRow("fixed assets") << "frmFAItemMaster" << 0;
}

void TestItemMaster::newItem()
{
    QFETCH(QString, window);
    QFETCH(int, itemType);
    open(window);
    QCOMPARE(m_w->windowTitle(), kind(window).caption);
    QCOMPARE(m_w->findChild<QLabel *>("Label1")->text(), QString("Measured In"));
    press(Qt::Key_F2);
    QCOMPARE(box("TxCode")->text(), QString("I0004"));
    type("  printing paper  ");
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("TxMeasure")));
    lookUp([](frmListView &dlg) { chooseByTyping(dlg, "k"); });
    QCOMPARE(box("TxMeasure")->text(), QString("M0002"));
    QCOMPARE(box("TxMeasureName")->text(), QString("Kg"));
    QCOMPARE(gHelpCol1, QString());
    QCOMPARE(gHelpCol2, QString());
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button("CmNew")));
    press(Qt::Key_Return);
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));

    RecordSet rs =
        gConnection.query("Select * from vstores_2024.inv_itemmaster where comp_code='01' and item_code='I0004'");
    QVERIFY(rs.next());
    QCOMPARE(rs.text("item_name"), QString("PRINTING PAPER"));
    QCOMPARE(rs.text("item_measure"), QString("M0002"));
    QCOMPARE(rs.integer("item_type"), itemType);
    QCOMPARE(rs.text("unit_code"), QString("TVM"));
    QCOMPARE(rs.integer("created_by"), 2);
    QCOMPARE(rs.text("created_date"), QString("2024/05/06"));
    QCOMPARE(rs.text("created_time"), QString("10:11:12"));
    rs.close();
    QCOMPARE(value("Select no_value from vstores_2024.numbersetup where no_id='ITEM_01_NO'"), QString("I0005"));
    QVERIFY(gridRows().contains("I0004:PRINTING PAPER:Kg"));

    // The measurement stays for the next item.
    QCOMPARE(box("TxMeasure")->text(), QString("M0002"));
    QCOMPARE(box("TxMeasureName")->text(), QString("Kg"));
    press(Qt::Key_F2);
    type("Glue");
    press(Qt::Key_F5);
    QCOMPARE(value("Select item_measure from vstores_2024.inv_itemmaster where item_code='I0005'"), QString("M0002"));
}

void TestItemMaster::itemKindsShareOneSeries()
{
    gHelpCol1.clear();
    open("frmItemMasterGeneral");
    lookUp([](frmListView &dlg) { chooseByTyping(dlg, "nos"); });
    box("TxName")->setFocus();
    press(Qt::Key_F2);
    type("Toner");
    press(Qt::Key_F5);
    delete m_w.data();
    open("frmFAItemMaster");
    lookUp([](frmListView &dlg) { chooseByTyping(dlg, "nos"); });
    press(Qt::Key_F2);
    QCOMPARE(box("TxCode")->text(), QString("I0005"));
    type("Scanner");
    press(Qt::Key_F5);
    QCOMPARE(value("Select group_concat(item_code order by item_code) from vstores_2024.inv_itemmaster "
                   "where item_name in ('TONER','SCANNER')"),
             QString("I0004,I0005"));
}

void TestItemMaster::newItemChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("lookedUp");
    QTest::addColumn<QString>("measureName"); // typed by hand into the free-text box
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");
    const QString noMeasure = "Please Select the Measurement.   ";
    QTest::newRow("no name") << "" << true << ""
                             << "Please Enter the Item Name.   " << int(MsgIcon::Information) << "TxName";
    QTest::newRow("no measurement") << "Stapler" << false << "" << noMeasure << int(MsgIcon::Critical) << "TxMeasure";
    QTest::newRow("measurement name typed, none chosen")
        << "Stapler" << false << "Nos" << noMeasure << int(MsgIcon::Critical) << "TxMeasure";
}

void TestItemMaster::newItemChecks()
{
    QFETCH(QString, name);
    QFETCH(bool, lookedUp);
    QFETCH(QString, measureName);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    open("frmItemMasterGeneral");
    if (lookedUp)
        lookUp([](frmListView &dlg) { chooseByTyping(dlg, "nos"); });
    QTest::keyClicks(box("TxMeasureName"), measureName);
    press(Qt::Key_F2);
    type(name);
    press(Qt::Key_F5);
    QCOMPARE(m_fixture.ui().texts(), QStringList{message});
    QCOMPARE(int(m_fixture.ui().shown.last().icon), icon);
    QCOMPARE(m_fixture.ui().shown.last().title, QString("Inventory"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(m_w->isEntering());
    QCOMPARE(value("Select count(*) from vstores_2024.inv_itemmaster"), QString("5"));
}

void TestItemMaster::duplicateNewNames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("other stores: an other-stores item's name") << "frmItemMasterGeneral"
                                                               << "printing ink" << true;
    QTest::newRow("other stores: another company's item") << "frmItemMasterGeneral"
                                                          << "Co2 Item" << true;
    QTest::newRow("other stores: a fixed-asset item's name is free") << "frmItemMasterGeneral"
                                                                     << "desktop computer" << false;
    QTest::newRow("fixed assets: an other-stores item's name") << "frmFAItemMaster"
                                                               << "PRINTING INK" << true;
    QTest::newRow("fixed assets: leading blank") << "frmFAItemMaster"
                                                 << " desktop computer" << true;
    // The name is stored in capitals: it is compared as it will be stored.
    QTest::newRow("other stores: GLASS, typed with a sharp s") << "frmItemMasterGeneral"
                                                               << QString::fromUtf8("gla\u00df") << true;
    QTest::newRow("fixed assets: COFFEE, typed with a ligature") << "frmFAItemMaster"
                                                                 << QString::fromUtf8("co\ufb00ee") << true;
}

void TestItemMaster::duplicateNewNames()
{
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    gConnection.execute(
        "Insert into vstores_2024.inv_itemmaster (comp_code, item_code, item_name, item_measure, item_type) "
        "values ('02','I0001','CO2 ITEM','M0001',1), ('01','I0091','GLASS','M0001',1), "
        "('01','I0092','COFFEE','M0001',0)");
    open(window);
    lookUp([](frmListView &dlg) { chooseByTyping(dlg, "nos"); });
    press(Qt::Key_F2);
    type(typed);
    press(Qt::Key_F5);
    if (refused) {
        QCOMPARE(m_fixture.ui().texts(), QStringList{"The Same Brand Already Exists.   "});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("TxName")));
        QVERIFY(m_w->isEntering());
        QCOMPARE(value("Select count(*) from vstores_2024.inv_itemmaster"), QString("8"));
    } else {
        QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));
        QCOMPARE(value("Select item_name from vstores_2024.inv_itemmaster where comp_code='01' and item_code='I0004'"),
                 typed.trimmed().toUpper());
    }
}

void TestItemMaster::renames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("fixed assets rename an other-stores item, as typed")
        << "frmFAItemMaster" << 3 << "Printing Ink (Black)" << false;
    QTest::newRow("other stores: a fixed-asset item's name is free")
        << "frmItemMasterGeneral" << 1 << "Desktop Computer" << false;
    QTest::newRow("other stores: another row's name") << "frmItemMasterGeneral" << 1 << "printing ink" << true;
    QTest::newRow("fixed assets: a name of either type") << "frmFAItemMaster" << 1 << "Desktop Computer" << true;
}

void TestItemMaster::renames()
{
    QFETCH(QString, window);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    open(window);
    // Another measurement in the boxes does not change the item's.
    lookUp([](frmListView &dlg) { chooseByTyping(dlg, "kg"); });
    const QString code = m_w->gridModel()->text(row - 1, 1);
    const QString measure = value("Select item_measure from vstores_2024.inv_itemmaster where item_code=?", {code});
    m_w->grid()->setCurrentIndex(m_w->gridModel()->index(row - 1, 1));
    press(Qt::Key_F3);
    QCOMPARE(box("TxCode")->text(), code);
    box("TxName")->setFocus();
    box("TxName")->selectAll();
    type(typed);
    press(Qt::Key_F5);
    const QString stored =
        value("Select item_name from vstores_2024.inv_itemmaster where comp_code='01' and item_code=?", {code});
    if (refused) {
        QCOMPARE(m_fixture.ui().texts(), QStringList{"Item Name Already Exists.   "});
        QVERIFY(m_w->editMode());
        QCOMPARE(stored, m_w->oldName());
        return;
    }
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));
    QCOMPARE(stored, typed);
    QCOMPARE(value("Select item_measure from vstores_2024.inv_itemmaster where item_code=?", {code}), measure);
    QCOMPARE(value("Select modified_date from vstores_2024.inv_itemmaster where item_code=?", {code}),
             QString("2024/05/06"));
}

void TestItemMaster::tabOrderByKeys_data()
{
    QTest::addColumn<bool>("entering");
    QTest::addColumn<QStringList>("tabs"); // from the control that has the focus
    QTest::newRow("browsing, from Close")
        << false << QStringList{"CmEdit", "CmNew", "GrItem", "TxMeasure", "TxMeasureName", "CmClose"};
    QTest::newRow("entering, from the name box")
        << true << QStringList{"GrItem", "TxMeasure", "TxMeasureName", "CmCancel", "CmNew", "TxCode", "TxName"};
}

void TestItemMaster::tabOrderByKeys()
{
    QFETCH(bool, entering);
    QFETCH(QStringList, tabs);
    open("frmFAItemMaster");
    if (entering)
        press(Qt::Key_F2);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString(entering ? "TxName" : "CmClose"));
    QCOMPARE(tabWalk(int(tabs.size())), tabs);
}

void TestItemMaster::measurementLookup()
{
    open("frmItemMasterGeneral");
    QVERIFY(!m_w->isEntering()); // the lookup works while browsing too
    QStringList seen;
    lookUp([&](frmListView &dlg) {
        QCOMPARE(dlg.windowTitle(), QString("Measurement"));
        QCOMPARE(dlg.columnWidth(1), 1500);
        QCOMPARE(dlg.columnWidth(2), 3050);
        QCOMPARE(dlg.grid()->model()->headerData(2, Qt::Horizontal).toString(), QString("Measurement"));
        for (int r = 1; !dlg.cellText(r, 1).isEmpty(); ++r)
            seen << dlg.cellText(r, 1) + ":" + dlg.cellText(r, 2);
        chooseByTyping(dlg, "n");
    });
    QCOMPARE(seen, QStringList({"M0002:Kg", "M0001:Nos"}));
    QCOMPARE(box("TxMeasure")->text(), QString("M0001"));
    QCOMPARE(box("TxMeasureName")->text(), QString("Nos"));

    // With a measurement chosen, F1 offers every measurement again, so the choice can change.
    seen.clear();
    lookUp([&](frmListView &dlg) {
        for (int r = 1; !dlg.cellText(r, 1).isEmpty(); ++r)
            seen << dlg.cellText(r, 1);
        chooseByTyping(dlg, "k");
    });
    QCOMPARE(seen, QStringList({"M0002", "M0001"}));
    QCOMPARE(box("TxMeasure")->text(), QString("M0002"));
    QCOMPARE(box("TxMeasureName")->text(), QString("Kg"));

    // F1 in another box opens nothing.
    bool opened = false;
    frmListView::setTestDriver([&](frmListView &dlg) {
        opened = true;
        dlg.close();
    });
    QTest::keyClick(box("TxMeasureName"), Qt::Key_F1);
    frmListView::setTestDriver({});
    QVERIFY(!opened);
    // The code box takes no typing.
    QTest::keyClicks(box("TxMeasure"), "M0009");
    QTest::keyClick(box("TxMeasure"), Qt::Key_Backspace);
    QCOMPARE(box("TxMeasure")->text(), QString("M0002"));
}

void TestItemMaster::lookupThatChoosesNothingKeepsBoxes_data()
{
    QTest::addColumn<bool>("noMeasurements");
    QTest::addColumn<QString>("search"); // typed in the list before Enter
    QTest::newRow("no measurement left: no list") << true << "";
    QTest::newRow("a search that finds nothing") << false << "zz";
}

void TestItemMaster::lookupThatChoosesNothingKeepsBoxes()
{
    QFETCH(bool, noMeasurements);
    QFETCH(QString, search);
    open("frmFAItemMaster");
    lookUp([](frmListView &dlg) { chooseByTyping(dlg, "kg"); });
    QCOMPARE(box("TxMeasure")->text(), QString("M0002"));
    if (noMeasurements)
        gConnection.execute("Delete from vstores_2024.inv_measurement");
    bool shown = false;
    lookUp([&](frmListView &dlg) {
        shown = true;
        chooseByTyping(dlg, search);
    });
    QCOMPARE(shown, !noMeasurements);
    QCOMPARE(box("TxMeasure")->text(), QString("M0002"));
    QCOMPARE(box("TxMeasureName")->text(), QString("Kg"));
    QCOMPARE(gHelpCol1, QString());
    QCOMPARE(gHelpCol2, QString());
}

QTEST_MAIN(TestItemMaster)
#include "tst_db_itemmaster.moc"
