#include "foundation/Error.h"
#include "foundation/Folders.h"
#include "foundation/IniFile.h"
#include "foundation/Seged.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

// The text, null-value and date helpers by their rules, and the window
// positions kept in the settings file of folders().
class tst_Seged : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath("Vorn.ini"));
        folders() = Folders::fix(m_dir.path(), QString(), QRect(0, 0, 1280, 1024));
    }

    // ---- Texts

    void mezoResz_data()
    {
        QTest::addColumn<QString>("delimiters");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("field");
        QTest::newRow("first") << ";" << "a;;c" << 1 << "a";
        QTest::newRow("empty middle field") << ";" << "a;;c" << 2 << "";
        QTest::newRow("third after the empty one") << ";" << "a;;c" << 3 << "c";
        QTest::newRow("beyond the last") << ";" << "a;;c" << 4 << "";
        QTest::newRow("zero") << ";" << "a;;c" << 0 << "";
        QTest::newRow("any of the delimiters") << ",;" << "x,y;z" << 3 << "z";
        QTest::newRow("empty field after a trailing delimiter") << ";" << "a;" << 2 << "";
        QTest::newRow("no delimiter in the text") << ";" << "abc" << 1 << "abc";
        QTest::newRow("empty text") << ";" << "" << 1 << "";
        QTest::newRow("multi-character fields") << "|" << "alma|körte|szilva" << 2 << "körte";
    }
    void mezoResz()
    {
        QFETCH(QString, delimiters);
        QFETCH(QString, text);
        QFETCH(int, n);
        QFETCH(QString, field);
        QCOMPARE(MezoResz(delimiters, text, n), field);
    }

    void karakterCsere_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("result");
        QTest::newRow("null") << QVariant(QMetaType::fromType<QString>()) << "";
        QTest::newRow("every occurrence") << QVariant("a|b||c") << "a,b,,c";
        QTest::newRow("none") << QVariant("abc") << "abc";
        QTest::newRow("number as text first") << QVariant(1.5) << "1,5";
    }
    void karakterCsere()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, result);
        QCOMPARE(KarakterCsere(value, u'|', u','), result);
    }

    void sorokOsszefuz_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("result");
        QTest::newRow("two lines, CR LF") << "első\r\nmásodik" << "|" << "első|második";
        QTest::newRow("LF") << "a\nb\nc" << "|" << "a|b|c";
        QTest::newRow("CR") << "a\rb" << "|" << "a|b";
        QTest::newRow("LF CR is two breaks") << "a\n\rb" << "|" << "a||b";
        QTest::newRow("empty line kept") << "a\r\n\r\nb" << "|" << "a||b";
        QTest::newRow("final break opens no line") << "a\r\nb\r\n" << "|" << "a|b";
        QTest::newRow("one line") << "abc" << "|" << "abc";
        QTest::newRow("only a break") << "\r\n" << "|" << "";
        QTest::newRow("empty") << "" << "|" << "";
        QTest::newRow("longer separator: only its last character cut") << "a\nb" << ", " << "a, b,";
        QTest::newRow("no separator cuts nothing") << "a\nb" << "" << "ab";
    }
    void sorokOsszefuz()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QString, result);
        QCOMPARE(SorokOsszefuz(text, separator), result);
    }

    void szovegTorol_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("accelerator marker") << "&" << "&Fájl" << "Fájl";
        QTest::newRow("every marker") << "&" << "&&Új &tag&" << "Új tag";
        QTest::newRow("not found") << "&" << "Mentés" << "Mentés";
        QTest::newRow("first character of each match") << "ab" << "xaby" << "xby";
        QTest::newRow("matches made by deleting") << "ab" << "aabb" << "bb";
        QTest::newRow("case matters") << "A" << "aA" << "a";
        QTest::newRow("empty pattern") << "" << "abc" << "abc";
    }
    void szovegTorol()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(SzovegTorol(pattern, text), result);
    }

    void karakterSzam()
    {
        QCOMPARE(KarakterSzam(u';', "a;b;;c"), 3);
        QCOMPARE(KarakterSzam(u'ő', "Őrség, ő, ö"), 1);  // case matters
        QCOMPARE(KarakterSzam(u'x', ""), 0);
    }

    void fajlNevTisztit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("title of two words") << "Teljes lista.htm" << "teljes-lista.htm";
        QTest::newRow("every dash character") << " !\"#%&'*+/:?@\\" << "--------------";
        QTest::newRow("accented letters") << "Befizetések ÁRVÍZTŰRŐ" << "befizet_sek-_rv_zt_r_";
        QTest::newRow("other characters stay") << "$()-_.,;<>=[]{}|~" << "$()-_.,;<>=[]{}|~";
        QTest::newRow("code 128 stays, 129 and up go") << "€\u00A0ß" << "€__";
        QTest::newRow("no code in 1250") << "Жx" << "_x";
        QTest::newRow("lower case") << "ABC123" << "abc123";
        QTest::newRow("empty") << "" << "";
    }
    void fajlNevTisztit()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(FajlNevTisztit(text), result);
    }

    void dosKodlapLetters_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("code");
        const std::pair<const char16_t *, int> table[] = {
            {u"Á", 181}, {u"É", 144}, {u"Í", 214}, {u"Ó", 224}, {u"Ő", 138}, {u"Ö", 153},
            {u"Ú", 233}, {u"Ű", 235}, {u"Ü", 154}, {u"á", 160}, {u"é", 130}, {u"í", 161},
            {u"ó", 162}, {u"ő", 139}, {u"ö", 148}, {u"ú", 163}, {u"ü", 129}, {u"ű", 251}};
        for (const auto &[letter, code] : table)
            QTest::newRow(QString::fromUtf16(letter).toUtf8()) << QString::fromUtf16(letter) << code;
    }
    void dosKodlapLetters()
    {
        // Each is one byte; Í gives 214 and Ú 233, which are the 1250 codes of Ö
        // and é: mapped once, they stay.
        QFETCH(QString, letter);
        QFETCH(int, code);
        QCOMPARE(DosKodlap(letter), QByteArray(1, char(code)));
    }

    void dosKodlapOtherCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("tab") << "a\tb" << QByteArray("a b");
        QTest::newRow("line break") << "a\r\nb" << QByteArray("a  b");
        QTest::newRow("ASCII stays") << "Kiss Béla, 1234 Pécs" << QByteArray("Kiss B\x82la, 1234 P\x82" "cs");
        QTest::newRow("other 1250 letters keep their code") << "ÄČ€" << QByteArray("\xC4\xC8\x80");
        QTest::newRow("no 1250 code") << "中" << QByteArray("?");
        QTest::newRow("empty") << "" << QByteArray();
    }
    void dosKodlapOtherCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(DosKodlap(text), bytes);
    }

    void dosKodlapControlCodes()
    {
        for (char16_t c = 0; c < 32; ++c)
            QCOMPARE(DosKodlap(QString(QChar(c))), QByteArray(" "));
        QCOMPARE(DosKodlap(QStringLiteral(" ")), QByteArray(" "));
    }

    // ---- Dates and rectangles

    void dateParts_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("week");
        QTest::newRow("Thursday ends 2020 in week 53") << QDate(2020, 12, 31) << 2020 << 12 << 53;
        QTest::newRow("Sunday of 2021 still in week 53") << QDate(2021, 1, 3) << 2021 << 1 << 53;
        QTest::newRow("first Monday of 2021") << QDate(2021, 1, 4) << 2021 << 1 << 1;
        QTest::newRow("Monday of 2024 in week 1 of 2025") << QDate(2024, 12, 30) << 2024 << 12 << 1;
        QTest::newRow("2026 has 53 weeks") << QDate(2026, 12, 31) << 2026 << 12 << 53;
        QTest::newRow("Thursday 1 January") << QDate(2026, 1, 1) << 2026 << 1 << 1;
    }
    void dateParts()
    {
        QFETCH(QDate, date);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, week);
        QCOMPARE(EvResz(date), year);
        QCOMPARE(HonapResz(date), month);
        QCOMPARE(HetSzam(date), week);
    }

    void keretSzukit()
    {
        const QRect r = KeretSzukit(QRect(QPoint(10, 20), QPoint(109, 69)));
        QCOMPARE(r.left(), 11);
        QCOMPARE(r.top(), 21);
        QCOMPARE(r.right(), 108);
        QCOMPARE(r.bottom(), 68);
    }

    // ---- Null values

    void nullSzoveg_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("result");
        QTest::newRow("null text") << QVariant(QMetaType::fromType<QString>()) << "<def>";
        QTest::newRow("null integer") << QVariant(QMetaType::fromType<int>()) << "<def>";
        QTest::newRow("invalid") << QVariant() << "<def>";
        QTest::newRow("empty text is a value") << QVariant(QString("")) << "";
        QTest::newRow("text") << QVariant("Nagy Béla") << "Nagy Béla";
        QTest::newRow("integer") << QVariant(42) << "42";
        QTest::newRow("real") << QVariant(2.5) << "2,5";
        QTest::newRow("date") << QVariant(QDate(2026, 1, 5)) << "2026. 01. 05.";
        QTest::newRow("time") << QVariant(QTime(8, 0)) << "8:00:00";
    }
    void nullSzoveg()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, result);
        QCOMPARE(NullSzoveg(value, "<def>"), result);
    }

    void nullEgesz_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("error");
        QTest::newRow("null") << QVariant(QMetaType::fromType<int>()) << -7 << "";
        QTest::newRow("integer") << QVariant(12) << 12 << "";
        QTest::newRow("64-bit in range") << QVariant(qlonglong(-2147483648LL)) << int(-2147483648LL) << "";
        QTest::newRow("text") << QVariant(" 12 ") << 12 << "";
        QTest::newRow("real rounds half to even, down") << QVariant(2.5) << 2 << "";
        QTest::newRow("real rounds half to even, up") << QVariant(3.5) << 4 << "";
        QTest::newRow("bool") << QVariant(true) << 1 << "";
        QTest::newRow("letters") << QVariant("abc") << 0 << "'abc' nem egész szám";
        QTest::newRow("decimal text") << QVariant("2,5") << 0 << "'2,5' nem egész szám";
        QTest::newRow("empty text") << QVariant("") << 0 << "'' nem egész szám";
        QTest::newRow("beyond 32 bits") << QVariant(qlonglong(5000000000LL)) << 0 << "'5000000000' nem egész szám";
        QTest::newRow("date") << QVariant(QDate(2026, 1, 5)) << 0 << "'2026. 01. 05.' nem egész szám";
    }
    void nullEgesz()
    {
        QFETCH(QVariant, value);
        QFETCH(int, result);
        QFETCH(QString, error);
        try {
            const int v = NullEgesz(value, -7);
            QVERIFY2(error.isEmpty(), "no error thrown");
            QCOMPARE(v, result);
        } catch (const VornError &e) {
            QCOMPARE(e.message(), error);
        }
    }

    void nullValos_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<double>("result");
        QTest::addColumn<QString>("error");
        QTest::newRow("null") << QVariant(QMetaType::fromType<double>()) << -1.5 << "";
        QTest::newRow("real") << QVariant(2.25) << 2.25 << "";
        QTest::newRow("integer") << QVariant(3) << 3.0 << "";
        QTest::newRow("text, decimal comma") << QVariant("2,5") << 2.5 << "";
        QTest::newRow("text, decimal point") << QVariant("2.5") << 2.5 << "";
        QTest::newRow("the epoch") << QVariant(QDate(1899, 12, 30)) << 0.0 << "";
        QTest::newRow("1 January 1900") << QVariant(QDate(1900, 1, 1)) << 2.0 << "";
        QTest::newRow("a date of 2026") << QVariant(QDate(2026, 1, 5)) << 46027.0 << "";
        QTest::newRow("date and time") << QVariant(QDateTime(QDate(2026, 1, 5), QTime(18, 0))) << 46027.75 << "";
        QTest::newRow("before the epoch") << QVariant(QDateTime(QDate(1899, 12, 29), QTime(6, 0))) << -1.25 << "";
        QTest::newRow("time of day") << QVariant(QTime(6, 0)) << 0.25 << "";
        QTest::newRow("letters") << QVariant("abc") << 0.0 << "'abc' nem valós szám";
    }
    void nullValos()
    {
        QFETCH(QVariant, value);
        QFETCH(double, result);
        QFETCH(QString, error);
        try {
            const double v = NullValos(value, -1.5);
            QVERIFY2(error.isEmpty(), "no error thrown");
            QCOMPARE(v, result);
        } catch (const VornError &e) {
            QCOMPARE(e.message(), error);
        }
    }

    // ---- Window positions

    void clamping_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("before");  // left, top, width, height
        QTest::addColumn<QRect>("after");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("inside") << screen << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
        QTest::newRow("touching the edges") << screen << QRect(880, 724, 400, 300) << QRect(880, 724, 400, 300);
        QTest::newRow("left beyond the right edge") << screen << QRect(5000, 100, 400, 300) << QRect(0, 100, 400, 300);
        QTest::newRow("sticking out on the right") << screen << QRect(1000, 100, 400, 300) << QRect(880, 100, 400, 300);
        QTest::newRow("wider than the area") << screen << QRect(100, 100, 2000, 300) << QRect(0, 100, 1280, 300);
        QTest::newRow("as wide as the area") << screen << QRect(10, 100, 1280, 300) << QRect(0, 100, 1280, 300);
        QTest::newRow("top beyond the bottom edge") << screen << QRect(100, 3000, 400, 300) << QRect(100, 0, 400, 300);
        QTest::newRow("sticking out at the bottom") << screen << QRect(100, 900, 400, 300) << QRect(100, 724, 400, 300);
        QTest::newRow("taller than the area") << screen << QRect(100, 100, 400, 1500) << QRect(100, 0, 400, 1024);
        QTest::newRow("both ways") << screen << QRect(5000, 5000, 2000, 2000) << QRect(0, 0, 1280, 1024);
        QTest::newRow("task bar at the bottom") << QRect(0, 0, 1280, 984) << QRect(10, 900, 400, 300) << QRect(10, 684, 400, 300);
        QTest::newRow("panel on the left: edges, not sizes") << QRect(100, 0, 1180, 1024) << QRect(1000, 10, 400, 300) << QRect(880, 10, 400, 300);
        QTest::newRow("no screen known") << QRect() << QRect(5000, 5000, 400, 300) << QRect(5000, 5000, 400, 300);
    }
    void clamping()
    {
        QFETCH(QRect, area);
        QFETCH(QRect, before);
        QFETCH(QRect, after);
        int left = before.x(), top = before.y(), width = before.width(), height = before.height();
        AblakMeretIgazit(area, left, top, width, height);
        QCOMPARE(QRect(left, top, width, height), after);
    }

    void positionsDefaultToTen()
    {
        int left = 0, top = 0, width = 640, height = 480;
        AblakHelyBetolt("frm_Beallit", left, top);
        QCOMPARE(QPoint(left, top), QPoint(10, 10));
        AblakMeretBetolt("frm_SQL", left, top, width, height);
        QCOMPARE(QRect(left, top, width, height), QRect(10, 10, 640, 480));  // the design size
        QVERIFY(!QFileInfo::exists(folders().settingsFile));  // reading writes nothing
    }

    void onlyTheSizeLoaderClamps()
    {
        AblakHelyMent("frm_Beallit", 5000, 20);
        int left = 0, top = 0;
        AblakHelyBetolt("frm_Beallit", left, top);
        QCOMPARE(QPoint(left, top), QPoint(5000, 20));
        int width = 300, height = 200;
        AblakMeretBetolt("frm_Beallit", left, top, width, height);
        QCOMPARE(QRect(left, top, width, height), QRect(0, 20, 300, 200));
    }

    void savedSizeIsClamped()
    {
        AblakMeretMent("frm_Befizet", 30, 40, 2000, 500);
        int left = 0, top = 0, width = 640, height = 480;
        AblakMeretBetolt("frm_Befizet", left, top, width, height);
        QCOMPARE(QRect(left, top, width, height), QRect(0, 40, 1280, 500));
    }

    void eachCallWritesTheFileAtOnce()
    {
        AblakMeretMent("frm_SQL", 1, 2, 3, 4);
        AblakHelyMent("frm_Kimenet", 5, 6);
        QFile f(folders().settingsFile);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[frm_SQL]\nLeft=1\nTop=2\nWidth=3\nHeight=4\n\n[frm_Kimenet]\nLeft=5\nTop=6\n"));
        // A second save replaces the values in place.
        AblakHelyMent("FRM_SQL", 7, 8);
        const IniFile ini(folders().settingsFile);
        QCOMPARE(ini.intValue("frm_SQL", "Left", 0), 7);
        QCOMPARE(ini.intValue("frm_SQL", "Width", 0), 3);
    }

    void unwritableSettingsLoseThePositionSilently()
    {
        folders().settingsFile = m_dir.filePath("nincs/Vorn.ini");
        AblakMeretMent("frm_SQL", 1, 2, 3, 4);
        int left = 0, top = 0;
        AblakHelyBetolt("frm_SQL", left, top);
        QCOMPARE(QPoint(left, top), QPoint(10, 10));
    }
};

QTEST_GUILESS_MAIN(tst_Seged)
#include "tst_seged.moc"
