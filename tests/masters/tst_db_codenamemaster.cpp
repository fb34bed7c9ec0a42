#include "CodeNameMasters.h"
#include "TextLengths.h"
#include "TextLimit.h"
#include "GridTextModel.h"
#include "MasterWindowTest.h"
#include "MastersWindows.h"
#include "WindowRegistry.h"
#include "mdlVelmora.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

// The code/name master window (GSM, reel type, measurement and the three brand
// groups) driven as a clerk would, on the real database.
class TestCodeNameMaster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensBrowsing_data();
    void opensBrowsing();
    void newEntrySavesUnderCounter_data();
    void newEntrySavesUnderCounter();
    void brandGroupsShareOneSeries();
    void codeSavedMeanwhileElsewhere();
    void saveFailureChangesNothing();
    void latin1TableRefusesWhatItCannotHold_data();
    void latin1TableRefusesWhatItCannotHold();
    void counterBehindUsedCodeRecovers();
    void missingCounterEndsProgram();
    void duplicateNewNames_data();
    void duplicateNewNames();
    void emptyName_data();
    void emptyName();
    void renames_data();
    void renames();
    void renameAfterClickingAnotherRow();
    void renameThatFindsNoRow();
    void keys_data();
    void keys();
    void gridKeys_data();
    void gridKeys();
    void gridGrows_data();
    void gridGrows();
    void registryKeepsOneInstance();
    void nameBoxHoldsItsColumn_data();
    void nameBoxHoldsItsColumn();

private:
    CodeNameMasterWindow *open(const QString &name);
    QLineEdit *box(const char *name) const { return m_w->findChild<QLineEdit *>(name); }
    QPushButton *button(const char *name) const { return m_w->findChild<QPushButton *>(name); }
    void play(const QString &steps);
    QStringList gridCodes() const;

    MasterWindowFixture m_fixture;
    QPointer<CodeNameMasterWindow> m_w;
};

namespace {
QString counter(const QString &series)
{
    return value("Select no_value from vstores_2024.numbersetup where no_id=?", {series});
}

// The table, code and name columns of a window's rows.
struct Columns {
    QString table, code, name;
};
Columns columnsOf(const QString &window)
{
    const CodeNameMasterConfig c = codeNameMasterConfig(window);
    return {QStringLiteral("vstores_2024.") + QString::fromLatin1(c.table), c.codeColumn, c.nameColumn};
}

int rowsNamed(const QString &window, const QString &name)
{
    const Columns c = columnsOf(window);
    return value(QStringLiteral("Select count(*) from %1 where binary %2=?").arg(c.table, c.name), {name}).toInt();
}
} // namespace

void TestCodeNameMaster::init()
{
    m_fixture.setUp();
}

void TestCodeNameMaster::cleanup()
{
    delete m_w.data();
    m_fixture.tearDown();
    WindowRegistry::instance().unloadAll();
}

CodeNameMasterWindow *TestCodeNameMaster::open(const QString &name)
{
    m_w = new CodeNameMasterWindow(codeNameMasterConfig(name));
    showActive(m_w);
    return m_w;
}

QStringList TestCodeNameMaster::gridCodes() const
{
    QStringList codes;
    for (int r = 0; r < m_w->gridModel()->recordCount(); ++r)
        codes << m_w->gridModel()->text(r, 1);
    return codes;
}

// Keys go to the control that has the focus, as the clerk's would: F2, F3, F5,
// F8, F9, Esc, Enter, Tab, Down; "t:text" types; "click:N" clicks grid row N.
void TestCodeNameMaster::play(const QString &steps)
{
    const QHash<QString, Qt::Key> keys{{"F2", Qt::Key_F2},        {"F3", Qt::Key_F3},   {"F5", Qt::Key_F5},
                                       {"F8", Qt::Key_F8},        {"F9", Qt::Key_F9},   {"Esc", Qt::Key_Escape},
                                       {"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab}, {"Down", Qt::Key_Down}};
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        QVERIFY2(m_w && m_w->isVisible(), qPrintable("window gone before " + step));
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : m_w.data();
        if (step.startsWith("t:")) {
            QTest::keyClicks(target, step.mid(2).replace(u'_', u' '));
        } else if (step.startsWith("click:")) {
            QTableView *grid = m_w->grid();
            const QRect r = grid->visualRect(m_w->gridModel()->index(step.mid(6).toInt() - 1, 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        } else {
            QVERIFY2(keys.contains(step), qPrintable(step));
            QTest::keyClick(target, keys.value(step));
        }
    }
}

void TestCodeNameMaster::opensBrowsing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("GSM") << "frmGSMMaster" << QStringList{"GSM0001", "GSM0002"};
    QTest::newRow("reel type") << "frmReelTypeMaster" << QStringList{"RT0001", "RT0002"};
    QTest::newRow("measurement") << "frmMeasurementMaster" << QStringList{"M0001", "M0002"};
    QTest::newRow("newsprint brands") << "frmBrandMaster" << QStringList{"B0001"};
    QTest::newRow("fixed-asset brands") << "frmFABrandMaster" << QStringList{"B0002"};
    QTest::newRow("other-stores brands") << "frmOtherBrandMaster" << QStringList{"B0003"};
}

void TestCodeNameMaster::opensBrowsing()
{
    QFETCH(QString, window);
    QFETCH(QStringList, codes);
    // A row of another company never shows.
    const Columns c = columnsOf(window);
    gConnection.execute(QStringLiteral("Insert into %1 (comp_code, %2, %3) values ('02','X0001','Elsewhere')")
                            .arg(c.table, c.code, c.name));
    open(window);
    const CodeNameMasterConfig config = codeNameMasterConfig(window);
    QCOMPARE(m_w->objectName(), window);
    QCOMPARE(m_w->windowTitle(), config.caption);
    QCOMPARE(m_w->findChild<QLabel *>("Label3")->text(), config.title);
    QCOMPARE(m_w->grid()->objectName(), config.gridName);
    QCOMPARE(m_w->gridModel()->headerData(1, Qt::Horizontal).toString(), QString("Code"));
    QCOMPARE(m_w->gridModel()->headerData(2, Qt::Horizontal).toString(), config.nameHeading);
    QCOMPARE(gridCodes(), codes);
    QCOMPARE(m_w->gridModel()->rowCount(), 29);
    QVERIFY(m_w->grid()->isColumnHidden(0));
    QCOMPARE(m_w->grid()->columnWidth(1), twipsToPixels(1300));
    QCOMPARE(m_w->grid()->columnWidth(2), twipsToPixels(4825));

    QCOMPARE(button("CmNew")->text(), QString("New - F2"));
    QVERIFY(!m_w->isEntering());
    QVERIFY(!box("TxCode")->isEnabled());
    QVERIFY(!box("TxName")->isEnabled());
    QVERIFY(box("TxCode")->isReadOnly());
    QVERIFY(button("CmEdit")->isEnabled());
    QVERIFY(button("CmClose")->isEnabled());
    QVERIFY(!button("CmCancel")->isEnabled());
    const QStringList order{"CmCancel", "CmClose", "CmEdit", "CmNew", "TxCode", "TxName", config.gridName};
    QCOMPARE(tabOrder(m_w, "CmCancel", order), order);
    // The first enabled control in tab order has the focus, so Enter would close.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button("CmClose")));
}

void TestCodeNameMaster::newEntrySavesUnderCounter_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("group"); // -1: no group column
    QTest::newRow("GSM") << "frmGSMMaster"
                         << "GSM_01_NO"
                         << "GSM0003" << -1;
    QTest::newRow("measurement") << "frmMeasurementMaster"
                                 << "MES_01_NO"
                                 << "M0003" << -1;
    QTest::newRow("fixed-asset brand") << "frmFABrandMaster"
                                       << "BRAND_01_NO"
                                       << "B0004" << 1;
    QTest::newRow("other-stores brand") << "frmOtherBrandMaster"
                                        << "BRAND_01_NO"
                                        << "B0004" << 2;
}

void TestCodeNameMaster::newEntrySavesUnderCounter()
{
    QFETCH(QString, window);
    QFETCH(QString, series);
    QFETCH(QString, code);
    QFETCH(int, group);
    open(window);
    play("F2");
    QCOMPARE(box("TxCode")->text(), code);
    QCOMPARE(box("TxName")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("TxName")));
    QCOMPARE(button("CmNew")->text(), QString("Save - F5"));
    QVERIFY(button("CmCancel")->isEnabled());
    QVERIFY(!button("CmEdit")->isEnabled());
    QVERIFY(!button("CmClose")->isEnabled());
    QCOMPARE(counter(series), code); // New reserves nothing

    play("t:_O'Brien's_Grade__ F5");
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));
    const Columns c = columnsOf(window);
    RecordSet rs = gConnection.query(
        QStringLiteral("Select * from %1 where comp_code='01' and %2=?").arg(c.table, c.code), {code});
    QVERIFY(rs.next());
    QCOMPARE(rs.text(c.name), QString("O'Brien's Grade")); // stored trimmed
    QCOMPARE(rs.text("unit_code"), QString("TVM"));
    QCOMPARE(rs.integer("created_by"), 2);
    QCOMPARE(rs.text("created_date"), QString("2024/05/06"));
    QCOMPARE(rs.text("created_time"), QString("10:11:12"));
    QVERIFY(rs.isNull("modified_by"));
    if (group >= 0)
        QCOMPARE(rs.integer("brand_group"), group);
    rs.close();
    QCOMPARE(counter(series), NextCode(code));

    // Back to browsing; the boxes keep what was saved; the grid lists it.
    QCOMPARE(button("CmNew")->text(), QString("New - F2"));
    QVERIFY(!m_w->editMode());
    QCOMPARE(box("TxCode")->text(), code);
    QCOMPARE(box("TxName")->text(), QString(" O'Brien's Grade  "));
    QVERIFY(!box("TxName")->isEnabled());
    QVERIFY(gridCodes().contains(code));
}

void TestCodeNameMaster::brandGroupsShareOneSeries()
{
    open("frmFABrandMaster");
    play("F2 t:Tarven F5");
    QCOMPARE(box("TxCode")->text(), QString("B0004"));
    delete m_w.data();

    open("frmBrandMaster");
    play("F2");
    QCOMPARE(box("TxCode")->text(), QString("B0005"));
    play("t:Venmala F5");
    QCOMPARE(gridCodes(), QStringList({"B0001", "B0005"})); // only its own group
    QCOMPARE(counter("BRAND_01_NO"), QString("B0006"));
    QCOMPARE(value("Select brand_group from vstores_2024.inv_brandmaster where brand_code='B0004'"), QString("1"));
    QCOMPARE(value("Select brand_group from vstores_2024.inv_brandmaster where brand_code='B0005'"), QString("0"));
}

void TestCodeNameMaster::codeSavedMeanwhileElsewhere()
{
    open("frmGSMMaster");
    play("F2");
    QCOMPARE(box("TxCode")->text(), QString("GSM0003"));
    // Another workstation saves GSM0003 first.
    Database other(QStringLiteral("other-station"));
    openTestDatabase(other);
    other.execute("Insert into vstores_2024.inv_gsm (unit_code, comp_code, gsm_code, gsm_name) values "
                  "('KTM','01','GSM0003','52 GSM')");
    other.execute("Update vstores_2024.numbersetup set no_value='GSM0004' where no_id='GSM_01_NO'");
    other.close();

    play("t:40_GSM F5");
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));
    QCOMPARE(box("TxCode")->text(), QString("GSM0004"));
    QCOMPARE(value("Select gsm_name from vstores_2024.inv_gsm where comp_code='01' and gsm_code='GSM0003'"),
             QString("52 GSM"));
    QCOMPARE(value("Select gsm_name from vstores_2024.inv_gsm where comp_code='01' and gsm_code='GSM0004'"),
             QString("40 GSM"));
    QCOMPARE(counter("GSM_01_NO"), QString("GSM0005"));
}

void TestCodeNameMaster::saveFailureChangesNothing()
{
    // A name longer than its column: the session is strict, so the server
    // refuses it instead of cutting it.
    const QString tooLong(101, u'J');
    open("frmReelTypeMaster");
    limitCharacters(box("TxName"), 0); // as if the box had no limit of its own
    QTest::keyClick(m_w, Qt::Key_F2);
    QTest::keyClicks(box("TxName"), tooLong);
    QTest::keyClick(m_w, Qt::Key_F5);
    QCOMPARE(m_fixture.ui().texts(), QStringList{kTextTooLong});
    QCOMPARE(m_fixture.ui().shown.last().icon, MsgIcon::Information);
    QCOMPARE(m_fixture.ui().shown.last().title, QString("Inventory"));
    QCOMPARE(counter("REEL_01_NO"), QString("RT0003"));
    QCOMPARE(rowsNamed("frmReelTypeMaster", tooLong), 0);
    QCOMPARE(rowsNamed("frmReelTypeMaster", tooLong.left(100)), 0);
    QVERIFY(m_w->isEntering());
    QCOMPARE(box("TxName")->text(), tooLong);
    QVERIFY(!gConnection.inTransaction());
}

void TestCodeNameMaster::latin1TableRefusesWhatItCannotHold_data()
{
    QTest::addColumn<QString>("steps");
    QTest::newRow("new") << "F2";
    QTest::newRow("rename") << "click:1 F3";
}

// The GSM table of an older installation is Latin-1: its duplicate check and
// its save both meet the name, and the clerk hears what is wrong in either.
void TestCodeNameMaster::latin1TableRefusesWhatItCannotHold()
{
    QFETCH(QString, steps);
    const Latin1Tables latin1({QStringLiteral("vstores_2024.inv_gsm")});
    const QString name = QStringLiteral("Kochi \u2013 \u20b9 \u0d15");
    const QString before = value("Select group_concat(gsm_code, gsm_name order by gsm_code) from vstores_2024.inv_gsm");
    const QString next = counter("GSM_01_NO");
    open("frmGSMMaster");
    play(steps);
    box("TxName")->setText(name);
    QTest::keyClick(m_w, Qt::Key_F5);
    QCOMPARE(m_fixture.ui().texts(), QStringList{"The text holds characters that the database cannot store.   "});
    QCOMPARE(value("Select group_concat(gsm_code, gsm_name order by gsm_code) from vstores_2024.inv_gsm"), before);
    QCOMPARE(counter("GSM_01_NO"), next);
    QVERIFY(m_w->isEntering());
    QCOMPARE(box("TxName")->text(), name);
    QVERIFY(!gConnection.inTransaction());
}

void TestCodeNameMaster::counterBehindUsedCodeRecovers()
{
    // The counter lags behind the table (a row stored by hand): the save steps
    // over the used code instead of refusing every save of the series.
    gConnection.execute("Insert into vstores_2024.inv_reeltype (comp_code, reeltype_code, reeltype_name) values "
                        "('01','RT0003','Core')");
    open("frmReelTypeMaster");
    play("F2 t:Jumbo F5");
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().lastText()));
    QCOMPARE(box("TxCode")->text(), QString("RT0004"));
    QCOMPARE(value("Select reeltype_name from vstores_2024.inv_reeltype where comp_code='01' and "
                   "reeltype_code='RT0004'"),
             QString("Jumbo"));
    QCOMPARE(counter("REEL_01_NO"), QString("RT0005"));
}

void TestCodeNameMaster::missingCounterEndsProgram()
{
    gConnection.execute("Delete from vstores_2024.numbersetup where no_id='MES_01_NO'");
    open("frmMeasurementMaster");
    QVERIFY_THROWS_EXCEPTION(ProgramEnded, m_w->CmNew_Click());
    QCOMPARE(m_fixture.ui().lastText(), QString("Error in Number Setup!!!.   \nContact System Administrator.   "));
}

void TestCodeNameMaster::duplicateNewNames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::newRow("same company") << "frmGSMMaster"
                                  << "45 GSM";
    QTest::newRow("other case") << "frmGSMMaster"
                                << "45 gsm";
    QTest::newRow("trailing blanks") << "frmGSMMaster"
                                     << "45 GSM  ";
    QTest::newRow("leading blank") << "frmGSMMaster"
                                   << " 45 GSM";
    QTest::newRow("only another company has it") << "frmGSMMaster"
                                                 << "Other Company Grade";
    QTest::newRow("brand of another group") << "frmOtherBrandMaster"
                                            << "Kerala Newsprint";
    QTest::newRow("brand of another company") << "frmBrandMaster"
                                              << "Other Company Brand";
    QTest::newRow("apostrophe") << "frmReelTypeMaster"
                                << "Printer's Reel";
}

void TestCodeNameMaster::duplicateNewNames()
{
    QFETCH(QString, window);
    QFETCH(QString, typed);
    gConnection.execute("Insert into vstores_2024.inv_gsm (comp_code, gsm_code, gsm_name) values "
                        "('02','GSM0001','Other Company Grade')");
    gConnection.execute("Insert into vstores_2024.inv_brandmaster (comp_code, brand_code, brand_name, brand_group) "
                        "values ('02','B0001','Other Company Brand',0)");
    gConnection.execute("Insert into vstores_2024.inv_reeltype (comp_code, reeltype_code, reeltype_name) values "
                        "('01','RT0009','Printer''s Reel')");
    const QString series = codeNameMasterConfig(window).seriesKey();
    const QString before = counter(series);
    const Columns c = columnsOf(window);
    const QString rowsBefore = value(QStringLiteral("Select count(*) from ") + c.table);

    open(window);
    play("F2");
    QTest::keyClicks(box("TxName"), typed);
    play("F5");
    QCOMPARE(m_fixture.ui().texts(), QStringList{"The Same Brand Already Exists.   "});
    QCOMPARE(m_fixture.ui().shown.last().icon, MsgIcon::Information);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("TxName")));
    QVERIFY(m_w->isEntering());
    QCOMPARE(counter(series), before);
    QCOMPARE(value(QStringLiteral("Select count(*) from ") + c.table), rowsBefore);
}

void TestCodeNameMaster::emptyName_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("GSM") << "frmGSMMaster"
                         << ""
                         << "Please Enter the Brand.   ";
    QTest::newRow("measurement") << "frmMeasurementMaster"
                                 << ""
                                 << "Please Enter the Measurement.   ";
    QTest::newRow("brand") << "frmBrandMaster"
                           << ""
                           << "Please Enter the Brand.   ";
    // Stored trimmed, blanks would be an empty name.
    QTest::newRow("GSM, name of blanks") << "frmGSMMaster"
                                         << "   "
                                         << "Please Enter the Brand.   ";
    QTest::newRow("measurement, name of blanks") << "frmMeasurementMaster"
                                                 << " "
                                                 << "Please Enter the Measurement.   ";
}

void TestCodeNameMaster::emptyName()
{
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const QString table = columnsOf(window).table;
    const QString rows = value(QStringLiteral("Select count(*) from ") + table);
    open(window);
    play("F2");
    QTest::keyClicks(box("TxName"), typed);
    play("Enter"); // Enter in the name box moves to New
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(button("CmNew")));
    play("Enter");
    QCOMPARE(m_fixture.ui().texts(), QStringList{message});
    QCOMPARE(m_fixture.ui().shown.last().icon, MsgIcon::Information);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box("TxName")));
    QVERIFY(m_w->isEntering());
    QCOMPARE(counter(codeNameMasterConfig(window).seriesKey()), box("TxCode")->text());
    QCOMPARE(value(QStringLiteral("Select count(*) from ") + table), rows);
}

void TestCodeNameMaster::renames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("row");         // grid row chosen before Edit
    QTest::addColumn<QString>("typed");   // replaces the name
    QTest::addColumn<QString>("refusal"); // empty: saved exactly as typed

    const QString refused = "Brand Name Already Exists.   ";
    QTest::newRow("new name, blanks kept") << "frmGSMMaster" << 2 << "Heavy 48.8 GSM  "
                                           << "";
    QTest::newRow("own name") << "frmGSMMaster" << 1 << "45 GSM"
                              << "";
    QTest::newRow("own name, other case") << "frmMeasurementMaster" << 1 << "NOS"
                                          << "";
    QTest::newRow("empty name") << "frmReelTypeMaster" << 2 << ""
                                << "Please Enter the Brand.   ";
    QTest::newRow("name of blanks") << "frmGSMMaster" << 2 << "   "
                                    << "Please Enter the Brand.   ";
    QTest::newRow("empty measurement name") << "frmMeasurementMaster" << 1 << ""
                                            << "Please Enter the Measurement.   ";
    QTest::newRow("name of another row") << "frmGSMMaster" << 1 << "48.8 GSM" << refused;
    QTest::newRow("name of another row, trimmed") << "frmGSMMaster" << 1 << " 48.8 GSM " << refused;
    QTest::newRow("name held by another company") << "frmGSMMaster" << 2 << "Other Company Grade" << refused;
    QTest::newRow("brand of another group") << "frmBrandMaster" << 1 << "Cavrell" << refused;
    QTest::newRow("brand renamed") << "frmBrandMaster" << 1 << "KN Mills"
                                   << "";
}

void TestCodeNameMaster::renames()
{
    QFETCH(QString, window);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    const Columns c = columnsOf(window);
    // Another company holds a row under the same code as every row here.
    gConnection.execute(QStringLiteral("Insert into %1 (comp_code, %2, %3) select '02', %2, 'Other Company Grade' "
                                       "from %1 where comp_code='01' and %2 like ?")
                            .arg(c.table, c.code, c.name),
                        {QStringLiteral("%0001")});
    open(window);
    play(QStringLiteral("click:%1 F3").arg(row));
    const QString code = box("TxCode")->text();
    const QString oldName = box("TxName")->text();
    QVERIFY(m_w->editMode());
    QCOMPARE(m_w->oldName(), oldName);
    QCOMPARE(code, m_w->gridModel()->text(row - 1, 1));
    QCOMPARE(QApplication::focusWidget() == box("TxName"), false); // Edit does not move the focus
    box("TxName")->setFocus();
    box("TxName")->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(box("TxName"), Qt::Key_Delete);
    else
        QTest::keyClicks(box("TxName"), typed);
    play("F5");

    const QString stored =
        value(QStringLiteral("Select %1 from %2 where comp_code='01' and %3=?").arg(c.name, c.table, c.code), {code});
    if (!refusal.isEmpty()) {
        QCOMPARE(m_fixture.ui().texts(), QStringList{refusal});
        QVERIFY(m_w->isEntering());
        QVERIFY(m_w->editMode());
        QCOMPARE(stored, oldName);
        QCOMPARE(value(QStringLiteral("Select count(*) from %1 where modified_by is not null").arg(c.table)),
                 QString("0"));
        return;
    }
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));
    QVERIFY(!m_w->isEntering());
    QCOMPARE(stored, typed);
    RecordSet rs = gConnection.query(
        QStringLiteral("Select * from %1 where comp_code='01' and %2=?").arg(c.table, c.code), {code});
    QVERIFY(rs.next());
    QCOMPARE(rs.integer("modified_by"), 2);
    QCOMPARE(rs.text("modified_date"), QString("2024/05/06"));
    QCOMPARE(rs.text("modified_time"), QString("10:11:12"));
    QCOMPARE(rs.text("created_date"), QString("2024/04/02")); // the rest stays
    QCOMPARE(rs.text("unit_code"), QString("TVM"));
    rs.close();
    // The other company's row of the same code is not touched.
    QCOMPARE(
        value(QStringLiteral(
                  "Select count(*) from %1 where comp_code='02' and %2='Other Company Grade' and modified_by is null")
                  .arg(c.table, c.name)),
        value(QStringLiteral("Select count(*) from %1 where comp_code='02'").arg(c.table)));
    QCOMPARE(m_w->gridModel()->text(row - 1, 2), typed);
}

void TestCodeNameMaster::renameAfterClickingAnotherRow()
{
    open("frmGSMMaster");
    // Edit row 1, then pick row 2: saving it unchanged is no clash with itself.
    play("F3 click:2");
    QCOMPARE(box("TxCode")->text(), QString("GSM0002"));
    QCOMPARE(m_w->oldName(), QString("48.8 GSM"));
    play("F5");
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));
    QVERIFY(!m_w->isEntering());

    // Edit row 2, pick row 1, give it row 2's name: refused, no second copy of the name.
    play("click:2 F3 click:1");
    box("TxName")->setFocus();
    box("TxName")->selectAll();
    QTest::keyClicks(box("TxName"), "48.8 GSM");
    play("F5");
    QCOMPARE(m_fixture.ui().texts(), QStringList{"Brand Name Already Exists.   "});
    QCOMPARE(rowsNamed("frmGSMMaster", "48.8 GSM"), 1);

    // While browsing a click only moves the current row.
    play("F8 click:2");
    QCOMPARE(box("TxCode")->text(), QString());
    QCOMPARE(m_w->currentGridRow(), 2);
}

void TestCodeNameMaster::renameThatFindsNoRow()
{
    gCompCode = QStringLiteral("02"); // no GSM rows: the current grid row is empty
    open("frmGSMMaster");
    play("F2");
    QCOMPARE(box("TxCode")->text(), QString("GSM0001"));
    play("F3"); // the new entry becomes a rename of the proposed code
    QVERIFY(m_w->editMode());
    QCOMPARE(box("TxCode")->text(), QString("GSM0001"));
    play("t:Phantom F5");
    QCOMPARE(m_fixture.ui().texts(), QStringList{"Nothing was changed: the record was not found.   "});
    QVERIFY(m_w->isEntering());
    QCOMPARE(box("TxName")->text(), QString("Phantom"));
    QCOMPARE(rowsNamed("frmGSMMaster", "Phantom"), 0);
    QCOMPARE(counter("GSM_02_NO"), QString("GSM0001"));
}

void TestCodeNameMaster::keys_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("caption"); // empty: the window is closed
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("saved"); // a name that must now be stored

    QTest::newRow("F2 opens a new row") << "F2"
                                        << "Save - F5" << false << "GSM0003"
                                        << ""
                                        << "";
    QTest::newRow("F5 too") << "F5"
                            << "Save - F5" << false << "GSM0003"
                            << ""
                            << "";
    QTest::newRow("F3 renames the current row") << "F3"
                                                << "Save - F5" << true << "GSM0001"
                                                << "45 GSM"
                                                << "";
    QTest::newRow("F3 during a new row renames") << "F2 t:abc F3"
                                                 << "Save - F5" << true << "GSM0001"
                                                 << "45 GSM"
                                                 << "";
    QTest::newRow("F8 cancels, New proposes the same code") << "F2 t:abc F8 F2"
                                                            << "Save - F5" << false << "GSM0003"
                                                            << ""
                                                            << "";
    QTest::newRow("F8 while browsing empties the boxes") << "F2 t:Kept F5 F8"
                                                         << "New - F2" << false << ""
                                                         << ""
                                                         << "Kept";
    QTest::newRow("F2 twice saves") << "F2 t:Twice F2"
                                    << "New - F2" << false << "GSM0003"
                                    << "Twice"
                                    << "Twice";
    QTest::newRow("Enter chain to New, Enter saves") << "F2 t:Chain Enter Enter"
                                                     << "New - F2" << false << "GSM0003"
                                                     << "Chain"
                                                     << "Chain";
    QTest::newRow("Enter at once closes") << "Enter"
                                          << "" << false << ""
                                          << ""
                                          << "";
    QTest::newRow("F9 closes") << "F9"
                               << "" << false << ""
                               << ""
                               << "";
    QTest::newRow("F9 drops an open entry") << "F2 t:Lost F9"
                                            << "" << false << ""
                                            << ""
                                            << "";
    QTest::newRow("Esc closes while entering") << "F3 Esc"
                                               << "" << false << ""
                                               << ""
                                               << "";
}

void TestCodeNameMaster::keys()
{
    QFETCH(QString, steps);
    QFETCH(QString, caption);
    QFETCH(bool, editMode);
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, saved);
    open("frmGSMMaster");
    play(steps);
    QVERIFY2(m_fixture.ui().shown.isEmpty(), qPrintable(m_fixture.ui().texts().join('\n')));
    if (caption.isEmpty()) {
        QVERIFY(!m_w || !m_w->isVisible());
        QCOMPARE(rowsNamed("frmGSMMaster", "Lost"), 0);
        return;
    }
    QVERIFY(m_w && m_w->isVisible());
    QCOMPARE(button("CmNew")->text(), caption);
    QCOMPARE(m_w->editMode(), editMode);
    QCOMPARE(box("TxCode")->text(), code);
    QCOMPARE(box("TxName")->text(), name);
    if (!saved.isEmpty())
        QCOMPARE(rowsNamed("frmGSMMaster", saved), 1);
    else
        QCOMPARE(counter("GSM_01_NO"), QString("GSM0003"));
}

void TestCodeNameMaster::gridKeys_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("tabs"); // the controls Tab then visits
    QTest::addColumn<int>("row");          // the current grid row at the end
    QTest::addColumn<QString>("code");     // the code box at the end

    QTest::newRow("browsing: Tab passes through the grid and wraps")
        << "frmGSMMaster"
        << "" << QStringList{"CmEdit", "CmNew", "GrGSM", "CmClose"} << 1 << "";
    QTest::newRow("entering: Tab leaves the grid for Cancel")
        << "frmBrandMaster"
        << "F2" << QStringList{"GrBrand", "CmCancel", "CmNew", "TxCode", "TxName"} << 1 << "B0004";
    QTest::newRow("typing in the grid moves no row")
        << "frmGSMMaster"
        << "click:2 t:GSM0001 F3" << QStringList{"CmCancel"} << 2 << "GSM0002";
    QTest::newRow("arrow keys move the row Edit takes")
        << "frmReelTypeMaster"
        << "click:1 Down F3" << QStringList{"CmCancel"} << 2 << "RT0002";
}

void TestCodeNameMaster::gridKeys()
{
    QFETCH(QString, window);
    QFETCH(QString, steps);
    QFETCH(QStringList, tabs);
    QFETCH(int, row);
    QFETCH(QString, code);
    open(window);
    play(steps);
    QCOMPARE(tabWalk(int(tabs.size())), tabs);
    QCOMPARE(m_w->currentGridRow(), row);
    QCOMPARE(box("TxCode")->text(), code);
}

void TestCodeNameMaster::gridGrows_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("rows"); // below the heading row
    QTest::newRow("none") << 0 << 29;
    QTest::newRow("29 fit") << 29 << 29;
    QTest::newRow("30th grows to 40") << 30 << 39;
    QTest::newRow("59") << 59 << 59;
    QTest::newRow("60th grows to 70") << 60 << 69;
}

void TestCodeNameMaster::gridGrows()
{
    QFETCH(int, records);
    QFETCH(int, rows);
    gCompCode = QStringLiteral("02");
    for (int i = 1; i <= records; ++i)
        gConnection.execute("Insert into vstores_2024.inv_measurement (comp_code, m_code, m_name) values ('02',?,?)",
                            {QStringLiteral("M%1").arg(i, 4, 10, QChar(u'0')), QStringLiteral("Unit %1").arg(i)});
    open("frmMeasurementMaster");
    QCOMPARE(m_w->gridModel()->rowCount(), rows);
    QCOMPARE(m_w->gridModel()->recordCount(), records);
    if (records == 0) {
        // Edit on an empty row opens the boxes with what they hold.
        play("F3");
        QVERIFY(box("TxName")->isEnabled());
        QCOMPARE(box("TxCode")->text(), QString());
    }
}

void TestCodeNameMaster::registryKeepsOneInstance()
{
    QMdiArea area;
    WindowRegistry::instance().setArea(&area);
    registerMastersWindows();
    QWidget *first = WindowRegistry::instance().open("frmReelTypeMaster");
    QVERIFY(qobject_cast<CodeNameMasterWindow *>(first));
    QCOMPARE(first->objectName(), QString("frmReelTypeMaster"));
    QCOMPARE(first->windowTitle(), QString("Reel Type Master"));
    QCOMPARE(WindowRegistry::instance().open("frmReelTypeMaster"), first);
    WindowRegistry::instance().unloadAll();
    WindowRegistry::instance().setArea(nullptr);
}

void TestCodeNameMaster::nameBoxHoldsItsColumn_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("length");
    QTest::newRow("GSM") << "frmGSMMaster" << 100;
    QTest::newRow("fixed-asset brands") << "frmFABrandMaster" << 100;
    QTest::newRow("measurements") << "frmMeasurementMaster" << 100;
}

// The clerk cannot type past what the column holds.
void TestCodeNameMaster::nameBoxHoldsItsColumn()
{
    QFETCH(QString, window);
    QFETCH(int, length);
    open(window);
    QTest::keyClick(m_w, Qt::Key_F2);
    QTest::keyClicks(box("TxName"), QString(length + 5, u'W'));
    QCOMPARE(box("TxName")->text().size(), length);
}

QTEST_MAIN(TestCodeNameMaster)
#include "tst_db_codenamemaster.moc"
