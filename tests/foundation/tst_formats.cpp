#include "foundation/Formats.h"

#include <QTest>

// The Hungarian formats must not follow the machine's locale (the tests run
// under C.UTF-8).
class tst_Formats : public QObject {
    Q_OBJECT

private slots:
    void general_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 2.5 << "2,5";
        QTest::newRow("whole number") << 3.0 << "3";
        QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0,3";
        QTest::newRow("negative") << -1234.75 << "-1234,75";
        QTest::newRow("no thousands separator") << 1234567.0 << "1234567";
        QTest::newRow("15 significant digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("rounded to 15 digits") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
    }
    void general()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Formats::general(value), text);
    }

    void grouped_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "0";
        QTest::newRow("999") << qint64(999) << "999";
        QTest::newRow("1000") << qint64(1000) << "1 000";
        QTest::newRow("1234567") << qint64(1234567) << "1 234 567";
        QTest::newRow("negative") << qint64(-25000) << "-25 000";
    }
    void grouped()
    {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        // Plain blanks (U+0020), not the no-break space of the locale data.
        QCOMPARE(Formats::grouped(value), text);
    }

    void dateAndTime()
    {
        const QDateTime dt(QDate(2026, 1, 5), QTime(9, 5, 7));
        QCOMPARE(Formats::date(dt.date()), QStringLiteral("2026. 01. 05."));
        QCOMPARE(Formats::reportDate(dt.date()), QStringLiteral("2026.01.05"));
        QCOMPARE(Formats::time(dt.time()), QStringLiteral("9:05:07"));
        QCOMPARE(Formats::time(QTime(23, 59, 0)), QStringLiteral("23:59:00"));
        QCOMPARE(Formats::dateTime(dt), QStringLiteral("2026. 01. 05. 9:05:07"));
        QCOMPARE(Formats::date(QDate()), QString());
        QCOMPARE(Formats::dateTime(QDateTime()), QString());
    }

    void hungarianLocale()
    {
        const QLocale &hu = Formats::hungarian();
        QCOMPARE(hu.language(), QLocale::Hungarian);
        QCOMPARE(hu.territory(), QLocale::Hungary);
        QCOMPARE(hu.decimalPoint(), QStringLiteral(","));
    }

    void parseReal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "2,5" << true << 2.5;
        QTest::newRow("decimal point") << "2.5" << true << 2.5;
        QTest::newRow("negative") << "-0,75" << true << -0.75;
        QTest::newRow("blanks around") << " 12 " << true << 12.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("two separators") << "1,2,3" << false << 0.0;
        QTest::newRow("infinity refused") << "inf" << false << 0.0;
        QTest::newRow("nan refused") << "nan" << false << 0.0;
    }
    void parseReal()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double v = -99;
        QCOMPARE(Formats::parseReal(text, &v), ok);
        QCOMPARE(v, ok ? value : -99.0);  // untouched on failure
    }

    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("short date") << "2026. 12. 11." << QDate(2026, 12, 11);
        QTest::newRow("short date, no leading zeros") << "2026. 1. 5." << QDate(2026, 1, 5);
        QTest::newRow("report date") << "2026.01.05" << QDate(2026, 1, 5);
        QTest::newRow("storage date") << "2026-01-05" << QDate(2026, 1, 5);
        QTest::newRow("blanks around") << " 2024.02.29 " << QDate(2024, 2, 29);
        QTest::newRow("no such day") << "2025.02.29" << QDate();
        QTest::newRow("month 13") << "2026. 13. 01." << QDate();
        QTest::newRow("day first") << "11.12.2026" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(Formats::parseDate(text), date);
    }
};

QTEST_GUILESS_MAIN(tst_Formats)
#include "tst_formats.moc"
