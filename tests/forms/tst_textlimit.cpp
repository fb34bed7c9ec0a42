#include "TextLengths.h"
#include "TextLimit.h"
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

// A box limited to its column's characters: typing and pasting stop there, a
// text set into it is never cut.
class TestTextLimit : public QObject {
    Q_OBJECT
private slots:
    void characterCount_data();
    void characterCount();
    void typingStopsAtTheLimit_data();
    void typingStopsAtTheLimit();
    void pasteBeyondTheLimitRefused();
    void limitChangedOrLifted();
};

namespace {
const QString kEmoji = QString::fromUtf8("\U0001F600");
}

void TestTextLimit::characterCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("plain") << QStringLiteral("abc") << 3;
    QTest::newRow("accents in the basic plane") << QString::fromUtf8("ßé€") << 3;
    QTest::newRow("emoji count once") << QString(QStringLiteral("a") + kEmoji + kEmoji) << 3;
    QTest::newRow("a lone surrogate counts once") << QString(QChar(0xD83D)) + u'x' << 2;
}

void TestTextLimit::characterCount()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(::characterCount(text), count);
}

void TestTextLimit::typingStopsAtTheLimit_data()
{
    QTest::addColumn<QString>("set");      // what the program put into the box
    QTest::addColumn<QString>("keys");     // typed at the end; "<" is Backspace
    QTest::addColumn<QString>("expected"); // the box afterwards
    const QString four = kEmoji + kEmoji + kEmoji + kEmoji;
    QTest::newRow("plain text stops at five") << "" << "abcdefg" << "abcde";
    QTest::newRow("emoji count one each") << four << "xy" << four + u'x';
    QTest::newRow("a set text longer than the limit stays whole") << "abcdefgh" << "" << "abcdefgh";
    QTest::newRow("a longer text set takes no more typing") << "abcdefgh" << "x" << "abcdefgh";
    QTest::newRow("a longer text set may be shortened, not grown again") << "abcdefgh" << "<<x" << "abcdef";
    QTest::newRow("shortened to the limit, typing stops there") << "abcdefgh" << "<<<x" << "abcde";
    QTest::newRow("shortened below the limit, typing goes on to it") << "abcdefgh" << "<<<<xy" << "abcdx";
    QTest::newRow("emoji set beyond the limit stay whole") << four + four << "" << four + four;
}

void TestTextLimit::typingStopsAtTheLimit()
{
    QFETCH(QString, set);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QLineEdit box;
    limitCharacters(&box, 5);
    box.setText(set);
    QCOMPARE(box.text(), set);
    box.end(false);
    for (const QChar c : keys) {
        if (c == u'<')
            QTest::keyClick(&box, Qt::Key_Backspace);
        else
            QTest::keyClicks(&box, QString(c));
    }
    QCOMPARE(box.text(), expected);
}

void TestTextLimit::pasteBeyondTheLimitRefused()
{
    QLineEdit box;
    limitCharacters(&box, 5);
    box.setText(QStringLiteral("ab"));
    box.end(false);
    // A paste that would not fit is refused whole, never cut where the clerk cannot see it.
    QApplication::clipboard()->setText(QStringLiteral("cdef"));
    box.paste();
    QCOMPARE(box.text(), QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("cde"));
    box.paste();
    QCOMPARE(box.text(), QStringLiteral("abcde"));
}

void TestTextLimit::limitChangedOrLifted()
{
    QLineEdit box;
    limitCharacters(&box, 3);
    limitCharacters(&box, 5); // one limit per box, the last one set
    QTest::keyClicks(&box, QStringLiteral("abcdefg"));
    QCOMPARE(box.text(), QStringLiteral("abcde"));
    limitCharacters(&box, 0);
    QTest::keyClicks(&box, QStringLiteral("fg"));
    QCOMPARE(box.text(), QStringLiteral("abcdefg"));
}

QTEST_MAIN(TestTextLimit)
#include "tst_textlimit.moc"
