#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

// The spooler shipped beside the program, run with stand-ins for the CUPS
// commands: what it hands to lp and what it says when it cannot print.
class TestSpoolerScript : public QObject {
    Q_OBJECT
private slots:
    void init();
    void runs_data();
    void runs();

private:
    QString m_dir;
};

namespace {
void writeTool(const QString &path, const QByteArray &body)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body);
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}
} // namespace

void TestSpoolerScript::init()
{
    m_dir = QString::fromLocal8Bit(qgetenv("VELMORA_TEST_TMP")) + QStringLiteral("/spooler");
    QDir(m_dir).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir + "/bin"));
}

void TestSpoolerScript::runs_data()
{
    QTest::addColumn<bool>("cups");
    QTest::addColumn<QByteArray>("defaultPrinter");
    QTest::addColumn<bool>("fileGiven");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("prints raw on the default printer") << true << QByteArray("desk1") << true << 0 << QByteArray();
    QTest::newRow("no default printer") << true << QByteArray() << true << 1 << QByteArray("no default printer");
    QTest::newRow("no printing system") << false << QByteArray() << true << 1 << QByteArray("not installed");
    QTest::newRow("no file") << true << QByteArray("desk1") << false << 2 << QByteArray("no readable print file");
}

void TestSpoolerScript::runs()
{
    QFETCH(bool, cups);
    QFETCH(QByteArray, defaultPrinter);
    QFETCH(bool, fileGiven);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, says);
    const QString bin = m_dir + "/bin";
    const QString log = m_dir + "/lp.log";
    if (cups) {
        writeTool(bin + "/lpstat",
                  defaultPrinter.isEmpty() ? QByteArray("echo 'no system default destination'\n")
                                           : "echo 'system default destination: " + defaultPrinter + "'\n");
        // Records its arguments and the bytes of the file it was given.
        writeTool(bin + "/lp",
                  "echo \"$@\" > '" + log.toLocal8Bit() + "'\nfor last; do :; done\ncat \"$last\" >> '"
                      + log.toLocal8Bit() + "'\n");
    }
    const QString prn = m_dir + "/tb.prn";
    QFile f(prn);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\\E\\Dpage\\e\\d\r\n");
    f.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Only the stand-ins and the basic tools: a real lp must never run here.
    env.insert("PATH", bin + ":/usr/bin:/bin");
    env.insert("TMPDIR", m_dir);
    p.setProcessEnvironment(env);
    const QString script = QString::fromLocal8Bit(qgetenv("VELMORA_SOURCE_DIR")) + "/tools/didevadeduv";
    if (!cups && (QFile::exists("/usr/bin/lp") || QFile::exists("/bin/lp")))
        QSKIP("this machine has a real lp on the basic path");
    p.start(script, fileGiven ? QStringList{prn} : QStringList{});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), exitCode);
    QVERIFY2(p.readAllStandardError().contains(says), qPrintable(says));
    if (exitCode == 0) {
        QFile l(log);
        QVERIFY(l.open(QIODevice::ReadOnly));
        const QByteArray logged = l.readAll();
        QVERIFY2(logged.startsWith("-d desk1 -o raw"), logged.constData());
        QVERIFY(logged.endsWith("\\E\\Dpage\\e\\d\r\n"));
        // The spool copy is gone once lp has it.
        QCOMPARE(QDir(m_dir).entryList({"velmora-print-*"}, QDir::Files), QStringList());
    } else {
        QVERIFY(!QFile::exists(log));
    }
}

QTEST_GUILESS_MAIN(TestSpoolerScript)
#include "tst_spoolerscript.moc"
