#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void encodesOneByteACharacter_data();
    void encodesOneByteACharacter();
    void writesCrLfLinesWhole();
    void failureLeavesTheOldFile();

private:
    QString tmp() const
    {
        const QString dir = QString::fromLocal8Bit(qgetenv("VELMORA_TEST_TMP"));
        QDir().mkpath(dir);
        return dir;
    }
};

void TestTextFile::encodesOneByteACharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain ASCII") << QStringLiteral("Ravi K\t42") << QByteArray("Ravi K\t42");
    QTest::newRow("Latin-1 letters") << QStringLiteral("Jos\u00e9 M\u00fcller") << QByteArray("Jos\xe9 M\xfcller");
    QTest::newRow("the code page's own 0x80 row") << QStringLiteral("\u20ac5 \u2013 \u201cok\u201d")
                                                  << QByteArray("\x80"
                                                                "5 \x96 \x93ok\x94");
    QTest::newRow("Malayalam has no byte") << QStringLiteral("\u0d30\u0d3e\u0d2e") << QByteArray("???");
    QTest::newRow("beyond 16 bits is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("C1 control has no byte") << QStringLiteral("x\u0081y") << QByteArray("x?y");
}

void TestTextFile::encodesOneByteACharacter()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWindows1252(text), bytes);
}

void TestTextFile::writesCrLfLinesWhole()
{
    const QString path = QDir(tmp()).filePath(QStringLiteral("lines.txt"));
    QVERIFY(writeFileAtomically(path, QByteArray(4000, 'z')).ok);
    const SaveResult r = writeCrLfTextFile(path, {QStringLiteral("a\u00e9"), QString(), QStringLiteral("b")});
    QVERIFY2(r.ok, qPrintable(r.error));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("a\xe9\r\n\r\nb\r\n"));
}

void TestTextFile::failureLeavesTheOldFile()
{
    const QString missing = QDir(tmp()).filePath(QStringLiteral("no such folder/x.txt"));
    const SaveResult r = writeCrLfTextFile(missing, {QStringLiteral("x")});
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("x.txt")), qPrintable(r.error));
    QVERIFY(!QFile::exists(missing));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
