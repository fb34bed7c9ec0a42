#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <optional>

// The spooler shipped beside the program, run with stand-ins for the CUPS
// commands: what it hands to lp (the printer's own commands on a raw queue,
// plain text on any other) and what it says when it cannot print.
class TestSpoolerScript : public QObject {
    Q_OBJECT
private slots:
    void init();
    void runs_data();
    void runs();
    void converts_data();
    void converts();

private:
    // Stand-ins for lpstat (default printer desk1), lpoptions (the queue's
    // make and model) and lp (records its arguments and the file's bytes).
    void standIns(const QByteArray &defaultPrinter, const QByteArray &model);
    // Runs the spooler on a print file holding `bytes` (none: no file given).
    QProcess *run(const std::optional<QByteArray> &bytes);
    QString m_dir;
    std::unique_ptr<QProcess> m_process;
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

void TestSpoolerScript::standIns(const QByteArray &defaultPrinter, const QByteArray &model)
{
    const QString bin = m_dir + "/bin";
    const QByteArray log = (m_dir + "/lp.log").toLocal8Bit();
    writeTool(bin + "/lpstat", defaultPrinter.isEmpty()
                                   ? QByteArray("echo 'no system default destination'\n")
                                   : "echo 'system default destination: " + defaultPrinter + "'\n");
    writeTool(bin + "/lpoptions",
              "echo \"copies=1 device-uri=usb://x printer-make-and-model='" + model + "' printer-state=3\"\n");
    writeTool(bin + "/lp", "echo \"$@\" > '" + log + "'\nfor last; do :; done\ncat \"$last\" >> '" + log + "'\n");
}

QProcess *TestSpoolerScript::run(const std::optional<QByteArray> &bytes)
{
    const QString prn = m_dir + "/tb.prn";
    if (bytes) {
        QFile f(prn);
        if (!f.open(QIODevice::WriteOnly))
            return nullptr;
        f.write(*bytes);
    }
    m_process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Only the stand-ins and the basic tools: a real lp must never run here.
    env.insert("PATH", m_dir + "/bin:/usr/bin:/bin");
    env.insert("TMPDIR", m_dir);
    m_process->setProcessEnvironment(env);
    const QString script = QString::fromLocal8Bit(qgetenv("VELMORA_SOURCE_DIR")) + "/tools/didevadeduv";
    m_process->start(script, bytes ? QStringList{prn} : QStringList{});
    if (!m_process->waitForFinished(10000))
        return nullptr;
    return m_process.get();
}

void TestSpoolerScript::runs_data()
{
    QTest::addColumn<bool>("cups");
    QTest::addColumn<QByteArray>("defaultPrinter");
    QTest::addColumn<bool>("fileGiven");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("prints on the default printer") << true << QByteArray("desk1") << true << 0 << QByteArray();
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
    if (cups)
        standIns(defaultPrinter, "Local Raw Printer");
    if (!cups && (QFile::exists("/usr/bin/lp") || QFile::exists("/bin/lp")))
        QSKIP("this machine has a real lp on the basic path");
    QProcess *p = run(fileGiven ? std::optional<QByteArray>("\\E\\Dpage\\e\\d\r\n") : std::nullopt);
    QVERIFY(p);
    QCOMPARE(p->exitCode(), exitCode);
    QVERIFY2(p->readAllStandardError().contains(says), qPrintable(says));
    const QString log = m_dir + "/lp.log";
    if (exitCode == 0) {
        QFile l(log);
        QVERIFY(l.open(QIODevice::ReadOnly));
        QVERIFY2(l.readAll().startsWith("-d desk1 "), "not sent to the default printer");
        // The spool copy is gone once lp has it.
        QCOMPARE(QDir(m_dir).entryList({"velmora-print-*"}, QDir::Files), QStringList());
    } else {
        QVERIFY(!QFile::exists(log));
    }
}

void TestSpoolerScript::converts_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QByteArray>("sent");
    // Title lines, a heading and a letter of the Windows code page, as the print writes them.
    const QByteArray lines = "\\E\\DVelmora\\e\\d\r\n"
                             "\\D\\CConsumption   \\d\\c\r\n"
                             "\\DSl No     Date\\d\r\n"
                             "Caf\xe9 R-102\r\n";
    const QByteArray rawOptions = "-d desk1 -o raw -t Velmora report ";
    const QByteArray textOptions = "-d desk1 -o document-format=text/plain -o cpi=12 -o lpi=8 -t Velmora report ";
    // Reset, table PC437, page length 72; expanded ESC W, double-strike ESC G/H, condensed SI/DC2.
    QTest::newRow("raw queue: the printer's own commands")
        << QByteArray("Local Raw Printer") << lines << rawOptions
        << QByteArray("\x1b@\x1bt\x01\x1b"
                      "CH"
                      "\x1bW1\x1bGVelmora\x1bW0\x1bH\r\n"
                      "\x1bG\x0f"
                      "Consumption   \x1bH\x12\r\n"
                      "\x1bGSl No     Date\x1bH\r\n"
                      "Caf\x82 R-102\r\n");
    QTest::newRow("driverless queue: plain text")
        << QByteArray("Hestron LP-404 - IPP Everywhere") << lines << textOptions
        << QByteArray("Velmora\nConsumption\nSl No     Date\nCaf\xc3\xa9 R-102\n");
    // Two pages of 72 lines: the empty lines that fill a page give way to a form feed.
    QByteArray pages = "A\r\n\r\nB\r\n";
    for (int i = 3; i < 72; ++i)
        pages += "\r\n";
    pages += "\r\nC\r\n";
    for (int i = 2; i < 72; ++i)
        pages += "\r\n";
    QTest::newRow("driverless queue: pages end in a form feed")
        << QByteArray("Generic PDF") << pages << textOptions << QByteArray("A\n\nB\n\f\nC\n");
}

void TestSpoolerScript::converts()
{
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, options);
    QFETCH(QByteArray, sent);
    standIns("desk1", model);
    QProcess *p = run(file);
    QVERIFY(p);
    QCOMPARE(p->exitCode(), 0);
    QFile l(m_dir + "/lp.log");
    QVERIFY(l.open(QIODevice::ReadOnly));
    const QByteArray logged = l.readAll();
    QVERIFY2(logged.startsWith(options), logged.constData());
    const qsizetype end = logged.indexOf('\n');
    QCOMPARE(logged.mid(end + 1), sent);
}

QTEST_GUILESS_MAIN(TestSpoolerScript)
#include "tst_spoolerscript.moc"
