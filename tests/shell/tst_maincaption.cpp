#include "Database.h"
#include "ImgIcon32.h"
#include "MainCaption.h"
#include "Startup.h"
#include <QImage>
#include <QTest>

// The main window's caption and status-panel forms, the connection texts and
// the shared pictures.
class TestMainCaption : public QObject {
    Q_OBJECT
private slots:
    void captions_data();
    void captions();
    void connectionTexts_data();
    void connectionTexts();
    void pictures_data();
    void pictures();
};

namespace {
const QString kComp = QStringLiteral("Velmora Publications Ltd");
const QString kUnit = QStringLiteral("Thiruvananthapuram");
const QString kYear = QStringLiteral("     [Financial Year 01-Apr-2024 - 31-Mar-2025]");
} // namespace

void TestMainCaption::captions_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<QString>("serverIp");
    QTest::addColumn<bool>("userType");
    QTest::addColumn<QString>("compName");
    QTest::addColumn<QString>("caption");

    const int load = int(CaptionEvent::MainLoad);
    const int company = int(CaptionEvent::CompanyChoice);
    const int unit = int(CaptionEvent::UnitSwitch);
    const int year = int(CaptionEvent::YearSwitch);
    const QString remote = QStringLiteral("10.1.1.20");
    const QString local = QStringLiteral("127.0.0.1");

    QTest::newRow("load, other server") << load << remote << false << kComp
                                        << "Quillbase Inventory     " + kComp + "    " + kUnit
            + "            [User : clerk ]" + kYear;
    QTest::newRow("load, local server") << load << local << false << kComp
                                        << "Quillbase Inventory   [Local]  " + kComp + "    " + kUnit
            + "            [User : clerk ]" + kYear;
    QTest::newRow("load at sign-on, no company yet")
        << load << local << false << QString()
        << "Quillbase Inventory   [Local]      " + kUnit + "            [User : clerk ]" + kYear;
    QTest::newRow("load ignores user type")
        << load << remote << true << kComp
        << "Quillbase Inventory     " + kComp + "    " + kUnit + "            [User : clerk ]" + kYear;

    QTest::newRow("company, user type, local")
        << company << local << true << kComp
        << "Quillbase Inventory     " + kComp + "  " + kUnit + QString(47, u' ') + "*[Current User : clerk ]*";
    QTest::newRow("company, user type, other")
        << company << remote << true << kComp
        << "Quillbase Inventory     " + kComp + "  " + kUnit + QString(47, u' ') + "*[Current User : clerk ]*";
    QTest::newRow("company, other server")
        << company << remote << false << kComp << "Quillbase Inventory    " + kComp + "  " + kUnit;
    QTest::newRow("company, local server")
        << company << local << false << kComp << "Quillbase Inventory   [Local]  " + kComp + "  " + kUnit;
    QTest::newRow("company, localhost is not local")
        << company << QStringLiteral("localhost") << false << kComp << "Quillbase Inventory    " + kComp + "  " + kUnit;
    QTest::newRow("company, blank before address is not local")
        << company << QStringLiteral(" 127.0.0.1") << false << kComp
        << "Quillbase Inventory    " + kComp + "  " + kUnit;

    QTest::newRow("unit, user type") << unit << local << true << kComp
                                     << "Quillbase Inventory    " + kComp + "    " + kUnit
            + " * [Current User : clerk ] * ";
    QTest::newRow("unit, other users") << unit << local << false << kComp
                                       << "Quillbase Inventory    " + kComp + "    " + kUnit + " ";

    QTest::newRow("year, local") << year << local << false << kComp
                                 << "Quillbase Inventory    " + kComp + "    " + kUnit + "            [User : clerk ]"
            + kYear;
    QTest::newRow("year, same for user type and other server")
        << year << remote << true << kComp
        << "Quillbase Inventory    " + kComp + "    " + kUnit + "            [User : clerk ]" + kYear;
}

void TestMainCaption::captions()
{
    QFETCH(int, event);
    QFETCH(QString, serverIp);
    QFETCH(bool, userType);
    QFETCH(QString, compName);
    QFETCH(QString, caption);

    CaptionValues v;
    v.serverIp = serverIp;
    v.userType = userType;
    v.compName = compName;
    v.unitName = kUnit;
    v.userName = QStringLiteral("clerk");
    v.fromDate = QDate(2024, 4, 1);
    v.toDate = QDate(2025, 3, 31);
    const MainTexts t = mainWindowTexts(CaptionEvent(event), v);
    QCOMPARE(t.caption, caption);
    // Every writer puts the same status text.
    QCOMPARE(t.panel, "Quillbase Inventory  " + compName + "    " + kUnit + "  [User : clerk ]" + kYear);
}

void TestMainCaption::connectionTexts_data()
{
    QTest::addColumn<QString>("serverIp");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("user");

    QTest::newRow("local, central") << "127.0.0.1"
                                    << "velmora"
                                    << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=127.0.0.1;PORT=3306; "
                                       "USER=root;PASSWORD=5831;OPTION=3;Database=velmora"
                                    << "root";
    QTest::newRow("local, stores")
        << "127.0.0.1"
        << "vstores_2024"
        << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=127.0.0.1;PORT=3306; USER=root;PASSWORD=5831;OPTION=3;"
           "Database=vstores_2024"
        << "root";
    QTest::newRow("other, central")
        << "10.1.1.20"
        << "velmora"
        << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=10.1.1.20;PORT=3306; USER=quillbase;PASSWORD=amberwillows;"
           "OPTION=3;Database=velmora"
        << "quillbase";
    QTest::newRow("other, stores")
        << "db.velmora.example"
        << "vstores_2023"
        << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=db.velmora.example;PORT=3306; USER=quillbase;"
           "PASSWORD=amberwillows;OPTION=3;Database=vstores_2023"
        << "quillbase";
    QTest::newRow("localhost is another server")
        << "localhost"
        << "velmora"
        << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=localhost;PORT=3306; USER=quillbase;PASSWORD=amberwillows;"
           "OPTION=3;Database=velmora"
        << "quillbase";
    QTest::newRow("leading blank")
        << " 127.0.0.1"
        << "velmora"
        << "DRIVER={MySQL ODBC 3.51 Driver};SERVER= 127.0.0.1;PORT=3306; USER=quillbase;PASSWORD=amberwillows;"
           "OPTION=3;Database=velmora"
        << "quillbase";
    QTest::newRow("no setting")
        << ""
        << "velmora"
        << "DRIVER={MySQL ODBC 3.51 Driver};SERVER=;PORT=3306; USER=quillbase;PASSWORD=amberwillows;"
           "OPTION=3;Database=velmora"
        << "quillbase";
}

void TestMainCaption::connectionTexts()
{
    QFETCH(QString, serverIp);
    QFETCH(QString, database);
    QFETCH(QString, text);
    QFETCH(QString, user);
    QCOMPARE(connectionText(serverIp, database), text);
    // The data-access layer reads back what the text names.
    const ConnectionSpec parsed = ConnectionSpec::fromText(text);
    QCOMPARE(parsed.server, serverIp);
    QCOMPARE(parsed.port, 3306);
    QCOMPARE(parsed.user.trimmed(), user);
    QCOMPARE(parsed.database, database);
}

void TestMainCaption::pictures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("colour"); // the colour most of the drawn pixels lean to
    QTest::newRow("exclamation mark") << 11 << "red";
    QTest::newRow("tick") << 12 << "green";
    QTest::newRow("cross") << 13 << "black";
}

void TestMainCaption::pictures()
{
    QFETCH(int, index);
    QFETCH(QString, colour);
    const QImage img = ImgIcon32::picture(index).toImage();
    QCOMPARE(img.size(), QSize(32, 32));
    int red = 0, green = 0, black = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            if (c.red() > 150 && c.green() < 80)
                ++red;
            else if (c.green() > 100 && c.red() < 80)
                ++green;
            else if (c.red() < 50 && c.green() < 50 && c.blue() < 50)
                ++black;
        }
    const QHash<QString, int> counts{{"red", red}, {"green", green}, {"black", black}};
    QVERIFY2(counts.value(colour) > 40,
             qPrintable(QStringLiteral("%1 pixels: %2").arg(colour).arg(counts.value(colour))));
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.key() != colour)
            QVERIFY2(
                it.value() < counts.value(colour) / 4,
                qPrintable(QStringLiteral("%1 pixels in picture %2: %3").arg(it.key()).arg(index).arg(it.value())));
    // Every picture of the list exists; nothing outside it.
    for (int i = 1; i <= ImgIcon32::kCount; ++i)
        QVERIFY2(!ImgIcon32::picture(i).isNull(), qPrintable(QString::number(i)));
    QVERIFY(ImgIcon32::picture(0).isNull());
    QVERIFY(ImgIcon32::picture(14).isNull());
}

QTEST_MAIN(TestMainCaption)
#include "tst_maincaption.moc"
