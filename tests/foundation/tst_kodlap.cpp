#include "foundation/Kodlap.h"

#include <QTest>
#include <iconv.h>

// The code page 1250 table against glibc's own converter, then the
// replacement of characters the code page lacks.
class tst_Kodlap : public QObject {
    Q_OBJECT

    // The character glibc gives for one byte; null when the byte is unassigned.
    static QChar glibcChar(uchar code)
    {
        iconv_t cd = iconv_open("UTF-16LE", "CP1250");
        char in[1] = {char(code)};
        char out[4] = {};
        char *pin = in;
        char *pout = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        const size_t rc = iconv(cd, &pin, &inLeft, &pout, &outLeft);
        iconv_close(cd);
        if (rc == size_t(-1) || outLeft != 2)
            return QChar();
        return QChar(char16_t(uchar(out[0]) | uchar(out[1]) << 8));
    }

private slots:
    void everyCodeAsGlibcHasIt_data()
    {
        QTest::addColumn<int>("code");
        for (int code = 0; code < 256; ++code)
            QTest::addRow("0x%02X", code) << code;
    }
    void everyCodeAsGlibcHasIt()
    {
        QFETCH(int, code);
        const QChar expected = glibcChar(uchar(code));
        const QString decoded = Kodlap::fromCp1250(QByteArray(1, char(code)));
        if (expected.isNull() && code != 0) {
            QVERIFY2(decoded.isEmpty(), "an unassigned code gives no character");
            return;
        }
        QCOMPARE(decoded, QString(expected));
        // Round trip: the character goes back to the same single byte.
        QCOMPARE(Kodlap::cp1250Code(expected), code);
        int replaced = -1;
        QCOMPARE(Kodlap::toCp1250(decoded, &replaced), QByteArray(1, char(code)));
        QCOMPARE(replaced, 0);
    }

    void unassignedCodesAreNeverProduced()
    {
        // No character of the basic plane maps to the five holes of the table.
        const QByteArray holes("\x81\x83\x88\x90\x98");
        int assignedUpper = 0;
        for (int u = 0; u <= 0xFFFF; ++u) {
            const int code = Kodlap::cp1250Code(QChar(char16_t(u)));
            QVERIFY(code < 256);
            if (code >= 0x80) {
                ++assignedUpper;
                QVERIFY2(!holes.contains(char(code)), qPrintable(QString::number(u, 16)));
            }
        }
        QCOMPARE(assignedUpper, 128 - 5);
        QCOMPARE(Kodlap::fromCp1250("a\x81" "b\x98"), QStringLiteral("ab"));
    }

    void unmappableCharactersBecomeQuestionMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("replaced");
        QTest::newRow("Hungarian only") << QStringLiteral("Őrség ű") << QByteArray("\xD5rs\xE9g \xFB") << 0;
        QTest::newRow("Cyrillic and CJK") << QStringLiteral("aЖ中b") << QByteArray("a??b") << 2;
        QTest::newRow("pair of surrogates is one character") << QStringLiteral("x\U0001F600y") << QByteArray("x?y") << 1;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?") << 1;
        QTest::newRow("a real question mark is not counted") << QStringLiteral("?€") << QByteArray("?\x80") << 0;
        QTest::newRow("empty") << QString() << QByteArray() << 0;
    }
    void unmappableCharactersBecomeQuestionMarks()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(int, replaced);
        int count = -1;
        QCOMPARE(Kodlap::toCp1250(text, &count), bytes);
        QCOMPARE(count, replaced);
        QCOMPARE(Kodlap::toCp1250(text), bytes);  // the counter is optional
    }
};

QTEST_GUILESS_MAIN(tst_Kodlap)
#include "tst_kodlap.moc"
