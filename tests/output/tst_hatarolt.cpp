// The delimited-text export: the file byte for byte under every option, the
// code page, stopping, a file that cannot be written, the spreadsheet names,
// the proposed name and the save dialog.
#include "output/Hatarolt.h"

#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/io/Documents.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

QByteArray fileBytes(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void check(QDialog &d, const char *name, bool on)
{
    d.findChild<QAbstractButton *>(name)->setChecked(on);
}

void checkFields(QDialog &d, const QStringList &names)
{
    auto *list = d.findChild<QListWidget *>("CheckListBox1");
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setCheckState(names.contains(list->item(i)->text()) ? Qt::Checked : Qt::Unchecked);
}

void start(QDialog &d)
{
    d.findChild<QPushButton *>("Button1")->click();
}

} // namespace

class TestHatarolt : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        MessageBoxHook::arm();
        DocumentHook::arm();
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Megjegyzes) VALUES (1, 'Kiss', 42, ?)",
                 {QStringLiteral("a\r\nb")});
        m_ds = std::make_unique<DataSet>();
        m_ds->setQuery("SELECT Ugyfel_nev, Sorszam, Megjegyzes FROM ugyfel ORDER BY Ugyfel");
        m_ds->open();
        m_ds->setDisplayLabel("Ugyfel_nev", "Név");
        m_ds->setDisplayLabel("Sorszam", "Kor");
        m_ds->setDisplayLabel("Megjegyzes", "Megj");
        m_file = m_folder->root() + "/ki.csv";
    }
    void cleanup()
    {
        m_ds.reset();
        MessageBoxHook::clear();
        DocumentHook::clear();
        FileDialogHook::clear();
        m_folder.reset();
    }

    void bytes_data()
    {
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QString>("qualifier");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("expected");
        const QStringList nameAge{"Ugyfel_nev", "Sorszam"};
        QTest::newRow("defaults") << "rbPontosvesszo" << "rbSemmi" << QStringList() << nameAge
                                  << QByteArray("N\xE9v;Kor;\r\nKiss;42;\r\n");
        QTest::newRow("double quote and comma") << "rbVesszo" << "rbIdezojel" << QStringList() << nameAge
                                                << QByteArray("\"N\xE9v\",\"Kor\",\r\n\"Kiss\",\"42\",\r\n");
        QTest::newRow("apostrophe and tab") << "rbTabulator" << "rbAposztrof" << QStringList() << nameAge
                                            << QByteArray("'N\xE9v'\t'Kor'\t\r\n'Kiss'\t'42'\t\r\n");
        QTest::newRow("no header") << "rbPontosvesszo" << "rbSemmi" << QStringList{"CheckBox3"} << nameAge
                                   << QByteArray("\r\nKiss;42;\r\n");
        QTest::newRow("field names") << "rbPontosvesszo" << "rbSemmi" << QStringList{"CheckBox2"} << nameAge
                                     << QByteArray("Ugyfel_nev;Sorszam;\r\nKiss;42;\r\n");
        QTest::newRow("memo joined") << "rbPontosvesszo" << "rbSemmi" << QStringList{"CheckBox1"}
                                     << QStringList{"Megjegyzes"} << QByteArray("Megj;\r\na|b;\r\n");
        QTest::newRow("memo with pipe delimiter") << "rbCso" << "rbSemmi" << QStringList{"CheckBox1"}
                                                  << QStringList{"Megjegyzes"} << QByteArray("Megj|\r\na,b|\r\n");
        QTest::newRow("memo off") << "rbPontosvesszo" << "rbSemmi" << QStringList() << QStringList{"Megjegyzes"}
                                  << QByteArray("Megj;\r\nBLOB;\r\n");
        QTest::newRow("no field") << "rbPontosvesszo" << "rbSemmi" << QStringList() << QStringList()
                                  << QByteArray("\r\n\r\n");
    }
    void bytes()
    {
        QFETCH(QString, delimiter);
        QFETCH(QString, qualifier);
        QFETCH(QStringList, options);
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, expected);
        Tfrm_Hatarolt d(*m_ds, m_file);
        check(d, delimiter.toLatin1(), true);
        check(d, qualifier.toLatin1(), true);
        for (const QString &o : options)
            check(d, o.toLatin1(), true);
        checkFields(d, fields);
        start(d);
        QCOMPARE(fileBytes(m_file), expected);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown()[0].text, m_file + " file kész.");
        // A complete export leaves the data set past its last row.
        QVERIFY(m_ds->eof());
        QVERIFY(!d.findChild<QPushButton *>("Button3")->isEnabled());
    }

    void qualifierInsideValueIsDoubled()
    {
        Db::exec("UPDATE ugyfel SET Ugyfel_nev = 'Kiss \"Öcsi\" Pál'");
        m_ds->refresh();
        Tfrm_Hatarolt d(*m_ds, m_file);
        check(d, "rbIdezojel", true);
        checkFields(d, {"Ugyfel_nev"});
        start(d);
        QCOMPARE(fileBytes(m_file), QByteArray("\"N\xE9v\";\r\n\"Kiss \"\"\xD6" "csi\"\" P\xE1l\";\r\n"));
    }

    void valuesInHungarianFormats()
    {
        Db::exec("INSERT INTO napifogas (ugyfel, datum, tol, ponty, amur) VALUES (1, '2026-12-11', '07:05:00', 3.25, 1234567.5)");
        DataSet ds;
        ds.setTable("napifogas");
        ds.open();
        Tfrm_Hatarolt d(ds, m_file);
        checkFields(d, {"datum", "tol", "ponty", "amur", "ig", "ugyfel_nev"});
        check(d, "CheckBox3", true);
        start(d);
        QCOMPARE(fileBytes(m_file), QByteArray("\r\n2026. 12. 11.;7:05:00;;3,25;1234567,5;Kiss;\r\n"));
    }

    void codePage1250AndReplacedCharacters()
    {
        Db::exec("UPDATE ugyfel SET Ugyfel_nev = 'árvíztűrő tükörfúrógép Жук'");
        m_ds->refresh();
        Tfrm_Hatarolt d(*m_ds, m_file);
        checkFields(d, {"Ugyfel_nev"});
        check(d, "CheckBox3", true);
        start(d);
        QCOMPARE(fileBytes(m_file), QByteArray("\r\n\xE1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p ???;\r\n"));
        const QStringList message = MessageBoxHook::shown().value(0).text.split('\n');
        QCOMPARE(message.value(0), m_file + " file kész.");
        QVERIFY2(message.value(1).startsWith("3 karakter"), qPrintable(message.value(1)));
    }

    void stopWritesTheLinesSoFar()
    {
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam) VALUES (2, 'Nagy', 7)");
        m_ds->refresh();
        Tfrm_Hatarolt d(*m_ds, m_file);
        checkFields(d, {"Ugyfel_nev"});
        auto *stop = d.findChild<QPushButton *>("Button3");
        bool enabledWhileRunning = false;
        // Pressed while the first record waits for input.
        QTimer::singleShot(0, stop, [&] {
            enabledWhileRunning = stop->isEnabled();
            stop->click();
        });
        start(d);
        QVERIFY(enabledWhileRunning);
        QCOMPARE(fileBytes(m_file), QByteArray("N\xE9v;\r\n"));
        QCOMPARE(MessageBoxHook::shown().value(0).text, m_file + " file kész.");
        QCOMPARE(m_ds->currentRow(), 0);
        QVERIFY(!m_ds->eof());
        // The next export starts again and runs to the end.
        start(d);
        QCOMPARE(fileBytes(m_file), QByteArray("N\xE9v;\r\nKiss;\r\nNagy;\r\n"));
    }

    void unwritableFileShowsErrorAndWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "/nincs/ilyen/mappa/ki.csv";
        QTest::newRow("a folder stands there") << "mappa";
    }
    void unwritableFileShowsErrorAndWritesNothing()
    {
        QFETCH(QString, name);
        const QString file = name.startsWith('/') ? name : m_folder->root() + "/" + name;
        if (!name.startsWith('/'))
            QVERIFY(QDir().mkpath(file));
        const QStringList before = QDir(m_folder->root()).entryList(QDir::Files | QDir::Hidden);
        Tfrm_Hatarolt d(*m_ds, file);
        check(d, "CheckBox4", true);
        start(d);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown()[0].icon, QMessageBox::Critical);
        QVERIFY(MessageBoxHook::shown()[0].text.startsWith("Hiba: "));
        QCOMPARE(QDir(m_folder->root()).entryList(QDir::Files | QDir::Hidden), before);
        // With the open-after option the dialog still tries the named file and closes.
        QCOMPARE(DocumentHook::opened(), QStringList{file});
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void openAfterOpensAndCloses()
    {
        Tfrm_Hatarolt d(*m_ds, m_file);
        check(d, "CheckBox4", true);
        d.show();
        start(d);
        QCOMPARE(DocumentHook::opened(), QStringList{m_file});
        QVERIFY(!d.isVisible());
    }

    void spreadsheetByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("xls") << "ki.xls" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
        QTest::newRow("XLS") << "KI.XLS" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
        QTest::newRow("Xls") << "ki.Xls" << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
        QTest::newRow("xlsx") << "ki.xlsx" << QByteArray("PK\x03\x04");
    }
    void spreadsheetByName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        const QString file = m_folder->root() + "/" + name;
        Tfrm_Hatarolt d(*m_ds, file);
        check(d, "rbCso", true);
        check(d, "rbIdezojel", true);
        checkFields(d, {"Ugyfel_nev", "Sorszam"});
        start(d);
        QVERIFY(fileBytes(file).startsWith(magic));
        QVERIFY(MessageBoxHook::shown().isEmpty()); // no completion message
        QVERIFY(m_ds->eof());
        const QString python = QStringLiteral("/usr/bin/python3");
        if (!QFileInfo::exists(python))
            QSKIP("no python to read the sheet back");
        QProcess p;
        p.start(python, {"-c", "import sys, xlrd\n"
                               "s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
                               "for r in range(s.nrows):\n"
                               "    print('|'.join(str(c.value) for c in s.row(r)))\n",
                         file});
        QVERIFY(p.waitForFinished(30000));
        if (p.exitCode() != 0 && p.readAllStandardError().contains("No module named 'xlrd'"))
            QSKIP("xlrd is not installed");
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), QStringLiteral("Név|Kor\nKiss|42.0\n"));
    }

    void emptyNameAsksForFile()
    {
        Tfrm_Hatarolt d(*m_ds, {});
        FileDialogHook::expect(QString()); // cancelled: nothing happens
        start(d);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        QCOMPARE(FileDialogHook::asked().size(), 1);
        QCOMPARE(FileDialogHook::asked()[0].defaultSuffix, QStringLiteral("csv"));
        QCOMPARE(FileDialogHook::asked()[0].nameFilters,
                 (QStringList{"CSV állományok (*.csv)", "Text állományok (*.txt)", "Excel munkalap (*.xls)",
                              "Excel munkafüzet (*.xlsx)", "Minden állomány (*.*)"}));
        FileDialogHook::expect(m_file);
        start(d);
        QCOMPARE(d.findChild<QLineEdit *>("Edit1")->text(), m_file);
        QCOMPARE(fileBytes(m_file), QByteArray("N\xE9v;Kor;Megj;\r\nKiss;42;BLOB;\r\n"));
    }

    void proposedNames_data()
    {
        QTest::addColumn<QString>("proposal");
        QTest::addColumn<QString>("shown");
        QTest::newRow("given") << "Teljes lista.csv" << "Teljes lista.csv";
        const QString documents = DokumentumMappa();
        QTest::newRow("empty") << "" << (documents.isEmpty() ? QString("File001.csv") : documents + "/File001.csv");
    }
    void proposedNames()
    {
        QFETCH(QString, proposal);
        QFETCH(QString, shown);
        QString got;
        QStringList fields;
        int checked = 0;
        QVERIFY(driveModal([&] { HataroltExport(*m_ds, proposal); },
                           [&](QDialog *d) {
                               got = d->findChild<QLineEdit *>("Edit1")->text();
                               auto *list = d->findChild<QListWidget *>("CheckListBox1");
                               for (int i = 0; i < list->count(); ++i) {
                                   fields << list->item(i)->text();
                                   checked += list->item(i)->checkState() == Qt::Checked;
                               }
                               QVERIFY(d->findChild<QRadioButton *>("rbPontosvesszo")->isChecked());
                               QVERIFY(d->findChild<QRadioButton *>("rbSemmi")->isChecked());
                               d->findChild<QPushButton *>("Button2")->click();
                           }));
        QCOMPARE(got, shown);
        QCOMPARE(fields, (QStringList{"Ugyfel_nev", "Sorszam", "Megjegyzes"}));
        QCOMPARE(checked, 3);
    }

    void buttonsCheckAndUncheckAll()
    {
        Tfrm_Hatarolt d(*m_ds, m_file);
        auto *list = d.findChild<QListWidget *>("CheckListBox1");
        const auto checkedCount = [&] {
            int n = 0;
            for (int i = 0; i < list->count(); ++i)
                n += list->item(i)->checkState() == Qt::Checked;
            return n;
        };
        d.findChild<QPushButton *>("Button5")->click();
        QCOMPARE(checkedCount(), 0);
        d.findChild<QPushButton *>("Button4")->click();
        QCOMPARE(checkedCount(), 3);
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<DataSet> m_ds;
    QString m_file;
};

QTEST_MAIN(TestHatarolt)
#include "tst_hatarolt.moc"
