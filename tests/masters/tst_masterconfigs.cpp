#include "CodeNameMasters.h"
#include "ItemMasterWindow.h"
#include "MastersWindows.h"
#include "WindowRegistry.h"
#include "mdlVelmora.h"
#include <QMdiArea>
#include <QTest>

// The settings of every code/name, brand and item master window, against the
// texts the clerks know.
class TestMasterConfigs : public QObject {
    Q_OBJECT
private slots:
    void codeNameMasters_data();
    void codeNameMasters();
    void itemMasters_data();
    void itemMasters();
    void everyWindowIsRegistered();
};

void TestMasterConfigs::codeNameMasters_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns"); // code, name
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("series"); // of company 01
    QTest::addColumn<QString>("emptyName");
    QTest::addColumn<int>("group"); // -1: none

    const QString brand = "Please Enter the Brand.   ";
    QTest::newRow("GSM") << "frmGSMMaster"
                         << "GSM Master"
                         << "GSM Master"
                         << "GrGSM"
                         << "inv_gsm"
                         << "gsm_code,gsm_name"
                         << "GSM Name"
                         << "GSM_01_NO" << brand << -1;
    QTest::newRow("reel type") << "frmReelTypeMaster"
                               << "Reel Type Master"
                               << "Reel Type Master"
                               << "GrReelType"
                               << "inv_reeltype"
                               << "reeltype_code,reeltype_name"
                               << "ReelType Name"
                               << "REEL_01_NO" << brand << -1;
    QTest::newRow("measurement") << "frmMeasurementMaster"
                                 << "Measurement"
                                 << "Measurement"
                                 << "GrMeasurement"
                                 << "inv_measurement"
                                 << "m_code,m_name"
                                 << "Measurement Name"
                                 << "MES_01_NO"
                                 << "Please Enter the Measurement.   " << -1;
    QTest::newRow("newsprint brands") << "frmBrandMaster"
                                      << "Brand Master -  News Print"
                                      << "Brand Master - News Print"
                                      << "GrBrand"
                                      << "inv_brandmaster"
                                      << "brand_code,brand_name"
                                      << "Brand Name"
                                      << "BRAND_01_NO" << brand << 0;
    QTest::newRow("fixed-asset brands") << "frmFABrandMaster"
                                        << "Brand Master -  Fixed Asstes"
                                        << "Brand Master - Fixed Asstes"
                                        << "GrBrand"
                                        << "inv_brandmaster"
                                        << "brand_code,brand_name"
                                        << "Brand Name"
                                        << "BRAND_01_NO" << brand << 1;
    QTest::newRow("other-stores brands") << "frmOtherBrandMaster"
                                         << "Brand Master -  Other Stores"
                                         << "Brand Master - Other Stores"
                                         << "GrBrand"
                                         << "inv_brandmaster"
                                         << "brand_code,brand_name"
                                         << "Brand Name"
                                         << "BRAND_01_NO" << brand << 2;
}

void TestMasterConfigs::codeNameMasters()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QString, grid);
    QFETCH(QString, table);
    QFETCH(QString, columns);
    QFETCH(QString, heading);
    QFETCH(QString, series);
    QFETCH(QString, emptyName);
    QFETCH(int, group);

    resetWorkingContext();
    gCompCode = QStringLiteral("01");
    const CodeNameMasterConfig c = codeNameMasterConfig(window);
    QCOMPARE(c.windowName, window);
    QCOMPARE(c.caption, caption);
    QCOMPARE(c.title, title);
    QCOMPARE(c.gridName, grid);
    QCOMPARE(QString::fromLatin1(c.table), table);
    QCOMPARE(c.codeColumn + "," + c.nameColumn, columns);
    QCOMPARE(c.nameHeading, heading);
    QCOMPARE(c.seriesKey(), series);
    gCompCode = QStringLiteral("02"); // the series follows the company of the moment
    QCOMPARE(c.seriesKey(), QString(series).replace("_01_", "_02_"));
    QCOMPARE(c.emptyNameMessage, emptyName);
    QCOMPARE(c.duplicateNewMessage, QString("The Same Brand Already Exists.   "));
    QCOMPARE(c.duplicateRenameMessage, QString("Brand Name Already Exists.   "));
    QCOMPARE(c.groupColumn, group < 0 ? QString() : QString("brand_group"));
    QCOMPARE(c.groupValue.isValid() ? c.groupValue.toInt() : -1, group);
}

void TestMasterConfigs::itemMasters_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("type"); // -1: every type
    QTest::newRow("other stores") << "frmItemMasterGeneral"
                                  << "Item Master - Other Stores" << 1;
    QTest::newRow("fixed assets") << "frmFAItemMaster"
                                  << "Item Master - Fixed Assets" << -1;
}

void TestMasterConfigs::itemMasters()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(int, type);
    const QList<ItemMasterKind> kinds = itemMasterKinds();
    const auto it =
        std::find_if(kinds.begin(), kinds.end(), [&](const ItemMasterKind &k) { return k.windowName == window; });
    QVERIFY(it != kinds.end());
    QCOMPARE(it->caption, caption);
    QCOMPARE(it->itemType.value_or(-1), type);

    resetWorkingContext();
    gCompCode = QStringLiteral("01");
    const CodeNameMasterConfig c = itemMasterConfig(*it);
    QCOMPARE(c.caption, caption);
    QCOMPARE(c.title, caption);
    QCOMPARE(c.gridName, QString("GrItem"));
    QCOMPARE(c.seriesKey(), QString("ITEM_01_NO"));
    QCOMPARE(c.emptyNameMessage, QString("Please Enter the Item Name.   "));
    QCOMPARE(c.duplicateNewMessage, QString("The Same Brand Already Exists.   "));
    QCOMPARE(c.duplicateRenameMessage, QString("Item Name Already Exists.   "));
    QStringList headings;
    QList<int> widths;
    for (const GridColumn &g : c.gridColumns) {
        headings << g.heading;
        widths << g.width;
    }
    QCOMPARE(headings, QStringList({"Code", "Item Name", "Measurement"}));
    QCOMPARE(widths, QList<int>({1300, 4825, 1750}));
    QCOMPARE(c.clientArea, QSize(8340, 5820));
}

void TestMasterConfigs::everyWindowIsRegistered()
{
    registerMastersWindows();
    for (const char *name : {"frmGSMMaster", "frmReelTypeMaster", "frmMeasurementMaster", "frmBrandMaster",
                             "frmFABrandMaster", "frmOtherBrandMaster", "frmItemMasterGeneral", "frmFAItemMaster"})
        QVERIFY2(WindowRegistry::instance().isRegistered(name), name);
    QVERIFY(!WindowRegistry::instance().isRegistered("frmItemMaster"));
}

QTEST_MAIN(TestMasterConfigs)
#include "tst_masterconfigs.moc"
