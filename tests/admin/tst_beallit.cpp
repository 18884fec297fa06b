// The settings dialog: OK stores the beallit row and the three values of the
// settings record, anything else nothing; a first row for an empty table; the
// restart warning; the folder browser, typing limits and tab order; the owner
// record's dialog.
#include "admin/Beallit.h"
#include "admin/Tulajdonos.h"
#include "foundation/Beall.h"
#include "foundation/IniFile.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Restart = QStringLiteral("Indítsa újra a programot a beállítások érvénybe léptetéséhez!");

enum class Close { Ok, Megsem, Esc, CloseBox };

// Characters as the keyboard gives them, accented ones included; an empty text
// clears the edit.
void retype(QLineEdit *e, const QString &text)
{
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void close(QDialog *d, Close how)
{
    switch (how) {
    case Close::Ok:
        d->findChild<QPushButton *>("Button1")->click();
        break;
    case Close::Megsem:
        d->findChild<QPushButton *>("Button2")->click();
        break;
    case Close::Esc:
        QTest::keyClick(d, Qt::Key_Escape);
        break;
    case Close::CloseBox:
        d->close();
        break;
    }
}

QString nullText(const QVariant &v)
{
    return v.isNull() ? QStringLiteral("null") : v.toString();
}

// Every beallit row as "vanbelep|m1|...|m6".
QStringList beallitRows()
{
    QStringList rows;
    Db::Statement st("SELECT vanbelep, m1, m2, m3, m4, m5, m6 FROM beallit ORDER BY beallit");
    while (st.step()) {
        QStringList f;
        for (int i = 0; i < 7; ++i)
            f << nullText(st.column(i));
        rows << f.join('|');
    }
    return rows;
}

QStringList tulajdonosRows()
{
    QStringList rows;
    Db::Statement st("SELECT tulajdonos, telefon, mobil, fax, irsz, varos, cim, adoszam, bankszamlaszam "
                     "FROM tulajdonos ORDER BY tulajdonos");
    while (st.step()) {
        QStringList f;
        for (int i = 0; i < 9; ++i)
            f << nullText(st.column(i));
        rows << f.join('|');
    }
    return rows;
}

// The values the dialog may touch, the ones it must not touch included.
QString record(const TBeall &b)
{
    QStringList m(b.m.begin(), b.m.end());
    return QStringList({b.TeljesKep ? "1" : "0", b.AlapVaros, b.Utvonal, b.vanbelep ? "I" : "N", m.join('|'),
                        QString::number(b.Betumeret)})
        .join(';');
}

const QString FreshRow =
    QStringLiteral("I|anyja neve|MOHOSZ lap|csónakkikötő|fog.napló|törv.képv.|horgászhely");

} // namespace

Q_DECLARE_METATYPE(Close)

class TestBeallit : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    QString m_longFolder; // longer than can be typed

    // Changes every control of the dialog.
    static void changeAll(QDialog *d)
    {
        d->findChild<QCheckBox *>("CheckBox1")->click();
        retype(d->findChild<QLineEdit *>("Edit1"), "Kecskemét");
        retype(d->findChild<QLineEdit *>("Edit2"), "/srv/vorn/adat");
        d->findChild<QCheckBox *>("DBCheckBox1")->click();
        retype(d->findChild<QLineEdit *>("DBEdit1"), "");
        for (int i = 2; i <= 6; ++i)
            retype(d->findChild<QLineEdit *>(QStringLiteral("DBEdit%1").arg(i)),
                   QStringLiteral("új felirat %1").arg(i));
    }

private slots:
    void initTestCase() { installWidgetBehaviour(); }
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        m_longFolder = m_folder->root() + "/egy/nagyon/hosszu/eleresi/utvonal/ami/tobb/mint/negyvenketto";
        Beall() = TBeall();
        Beall().TeljesKep = false;
        Beall().AlapVaros = QStringLiteral("Szeged");
        Beall().Utvonal = m_longFolder;
        Beall().vanbelep = true;
        Beall().m = {"a", "b", "c", "d", "e", "f"};
        MessageBoxHook::arm();
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        FileDialogHook::clear();
        m_folder.reset();
    }

    void controlsShowTheSettings()
    {
        QVERIFY(m_longFolder.size() > 42);
        bool full = true, login = false;
        QString town, folder;
        QStringList captions;
        QVERIFY(driveModal(
            [&] { BeallitasokSzerkeszt(); },
            [&](QDialog *dlg) {
                auto *d = qobject_cast<Tfrm_Beallit *>(dlg);
                QVERIFY(d);
                full = d->findChild<QCheckBox *>("CheckBox1")->isChecked();
                town = d->findChild<QLineEdit *>("Edit1")->text();
                folder = d->findChild<QLineEdit *>("Edit2")->text();
                login = d->findChild<QCheckBox *>("DBCheckBox1")->isChecked();
                for (int i = 1; i <= 6; ++i)
                    captions << d->findChild<QLineEdit *>(QStringLiteral("DBEdit%1").arg(i))->text();
                close(d, Close::Megsem);
            }));
        QVERIFY(!full);
        QCOMPARE(town, QStringLiteral("Szeged"));
        QCOMPARE(folder, m_longFolder); // whole, though longer than can be typed
        QVERIFY(login);
        QCOMPARE(captions.join('|'), FreshRow.mid(2));
    }

    void okStoresBoth()
    {
        QVERIFY(driveModal([&] { BeallitasokSzerkeszt(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_Beallit *>(dlg);
                               QVERIFY(d);
                               changeAll(d);
                               close(d, Close::Ok);
                           }));
        QCOMPARE(beallitRows(),
                 QStringList{"N|null|új felirat 2|új felirat 3|új felirat 4|új felirat 5|új felirat 6"});
        // The three values of the dialog; the login switch and captions wait for the next start.
        QCOMPARE(record(Beall()), QStringLiteral("1;Kecskemét;/srv/vorn/adat;I;a|b|c|d|e|f;9"));
        // The settings file gets them only when the main window closes.
        const IniFile ini(folders().settingsFile);
        QVERIFY(!ini.contains("Alapertek", "AlapVaros"));
        QVERIFY(!ini.contains("Alapertek", "Utvonal"));
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown()[0].caption, QStringLiteral("Figyelmeztetés"));
        QCOMPARE(MessageBoxHook::shown()[0].icon, QMessageBox::Warning);
        QCOMPARE(MessageBoxHook::shown()[0].text, Restart);
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<Close>("how");
        QTest::newRow("Mégsem") << Close::Megsem;
        QTest::newRow("Esc") << Close::Esc;
        QTest::newRow("close box") << Close::CloseBox;
    }
    void cancelChangesNothing()
    {
        QFETCH(Close, how);
        const QString before = record(Beall());
        QVERIFY(driveModal([&] { BeallitasokSzerkeszt(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_Beallit *>(dlg);
                               QVERIFY(d);
                               changeAll(d);
                               close(d, how);
                           }));
        QCOMPARE(beallitRows(), QStringList{FreshRow});
        QCOMPARE(record(Beall()), before);
        QCOMPARE(MessageBoxHook::shown().size(), 1); // the warning comes whatever the result
        QCOMPARE(MessageBoxHook::shown()[0].text, Restart);
    }

    void emptyTable_data()
    {
        QTest::addColumn<Close>("how");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("OK stores a first row")
            << Close::Ok << QStringList{"I|null|null|csónak|null|null|null"};
        QTest::newRow("Mégsem stores none") << Close::Megsem << QStringList();
    }
    void emptyTable()
    {
        QFETCH(Close, how);
        QFETCH(QStringList, rows);
        Db::exec("DELETE FROM beallit");
        bool ticked = true;
        QString captions;
        QVERIFY(driveModal([&] { BeallitasokSzerkeszt(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_Beallit *>(dlg);
                               QVERIFY(d);
                               ticked = d->findChild<QCheckBox *>("DBCheckBox1")->isChecked();
                               for (int i = 1; i <= 6; ++i)
                                   captions +=
                                       d->findChild<QLineEdit *>(QStringLiteral("DBEdit%1").arg(i))->text();
                               d->findChild<QCheckBox *>("DBCheckBox1")->click();
                               retype(d->findChild<QLineEdit *>("DBEdit3"), "csónak");
                               close(d, how);
                           }));
        QVERIFY(!ticked);
        QCOMPARE(captions, QString());
        QCOMPARE(beallitRows(), rows);
    }

    void browseForTheFolder_data()
    {
        QTest::addColumn<QString>("answer"); // empty: the folder dialog is cancelled
        QTest::addColumn<bool>("replaced");
        QTest::newRow("folder picked")
            << "/mnt/halozat/egyesulet/nyilvantarto/adatbazis/masodik/peldany" << true;
        QTest::newRow("cancelled") << "" << false;
    }
    void browseForTheFolder()
    {
        QFETCH(QString, answer);
        QFETCH(bool, replaced);
        FileDialogHook::expect(answer);
        QString after, afterTyping;
        QVERIFY(driveModal([&] { BeallitasokSzerkeszt(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_Beallit *>(dlg);
                               QVERIFY(d);
                               auto *edit = d->findChild<QLineEdit *>("Edit2");
                               d->findChild<QPushButton *>("BitBtn1")->click();
                               after = edit->text();
                               edit->end(false);
                               QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, "x", Qt::NoModifier);
                               afterTyping = edit->text();
                               close(d, Close::Ok);
                           }));
        QCOMPARE(FileDialogHook::asked().size(), 1);
        QVERIFY(FileDialogHook::asked()[0].folder);
        QCOMPARE(FileDialogHook::asked()[0].start, m_longFolder);
        const QString expected = replaced ? answer : m_longFolder;
        QCOMPARE(after, expected);
        QCOMPARE(afterTyping, expected); // a text this long takes no more typing
        QCOMPARE(Beall().Utvonal, expected);
    }

    void typingIsLimited_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("kept");
        QTest::newRow("town") << "Edit1" << 50 << 42;
        QTest::newRow("folder") << "Edit2" << 50 << 42;
        QTest::newRow("town, short") << "Edit1" << 41 << 41;
        QTest::newRow("caption") << "DBEdit4" << 30 << 25;
    }
    void typingIsLimited()
    {
        QFETCH(QString, edit);
        QFETCH(int, typed);
        QFETCH(int, kept);
        QString text;
        QVERIFY(driveModal([&] { BeallitasokSzerkeszt(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_Beallit *>(dlg);
                               QVERIFY(d);
                               auto *e = d->findChild<QLineEdit *>(edit);
                               retype(e, QString(typed, QChar(u'é')));
                               text = e->text();
                               close(d, Close::Megsem);
                           }));
        QCOMPARE(text, QString(kept, QChar(u'é')));
    }

    void tabOrderAndKeys()
    {
        Beall().Betumeret = 10;
        AblakHelyMent("frm_Beallit", 30, 40);
        DataSet beallit;
        beallit.setTable("beallit");
        beallit.open();
        beallit.edit();
        Tfrm_Beallit d(&beallit);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.pos(), QPoint(30, 40));
        QCOMPARE(d.size(), QSize(436, 340));
        QCOMPARE(d.font().pointSize(), 10);
        QCOMPARE(d.windowTitle(), QStringLiteral("Beállítások"));

        const QStringList expected = {"Edit1",   "CheckBox1", "Edit2",       "DBEdit1",       "DBEdit2",
                                      "DBEdit3", "DBEdit4",   "DBEdit5",     "DBEdit6",       "Button1",
                                      "Button2", "BitBtn1",   "DBCheckBox1", "btnTulajdonos", "Edit1"};
        QStringList order;
        for (int i = 0; i < expected.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            order << focus->objectName();
            if (auto *e = qobject_cast<QLineEdit *>(focus))
                QCOMPARE(e->palette().color(QPalette::Base), FocusColor);
            if (i + 1 < expected.size())
                QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(order, expected);

        // Enter moves on from an edit and from a check box, and presses a button.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CheckBox1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Edit2"));
        QVERIFY(d.isVisible());
        d.findChild<QPushButton *>("Button1")->setFocus();
        d.move(60, 70);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const IniFile ini(folders().settingsFile);
        QCOMPARE(ini.intValue("frm_Beallit", "Left", 0), 60);
        QCOMPARE(ini.intValue("frm_Beallit", "Top", 0), 70);
    }

    void ownerDialogFromTheSettings()
    {
        // The owner dialog posts on its own OK; the settings dialog's Mégsem does not undo it.
        bool ownerShown = false;
        QVERIFY(driveModal([&] { BeallitasokSzerkeszt(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_Beallit *>(dlg);
                               QVERIFY(d);
                               QVERIFY(driveModal(
                                   [&] { d->findChild<QPushButton *>("btnTulajdonos")->click(); },
                                   [&](QDialog *dlg) {
                                       auto *t = qobject_cast<Tfrm_Tulajdonos *>(dlg);
                                       QVERIFY(t);
                                       ownerShown = t->windowTitle() == QStringLiteral("Egyesület adatai");
                                       retype(t->findChild<QLineEdit *>("DBEdit1"),
                                              "Pontyos Horgászegyesület");
                                       t->findChild<QPushButton *>("btnOK")->click();
                                   }));
                               close(d, Close::Megsem);
                           }));
        QVERIFY(ownerShown);
        QCOMPARE(tulajdonosRows(),
                 QStringList{"Pontyos Horgászegyesület|null|null|null|null|null|null|null|null"});
        QCOMPARE(beallitRows(), QStringList{FreshRow});
    }

    void ownerOk_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::newRow("first row edited") << false;
        QTest::newRow("empty table gets a row") << true;
    }
    void ownerOk()
    {
        QFETCH(bool, empty);
        if (empty)
            Db::exec("DELETE FROM tulajdonos");
        QString nameShown;
        QList<int> limits;
        QVERIFY(driveModal([&] { QVERIFY(TulajdonosSzerkeszt()); },
                           [&](QDialog *dlg) {
                               auto *t = qobject_cast<Tfrm_Tulajdonos *>(dlg);
                               QVERIFY(t);
                               nameShown = t->findChild<QLineEdit *>("DBEdit1")->text();
                               const QStringList values = {
                                   "Kárász HE",     "6720",        "Szeged",
                                   "Tisza-part 1.", "62/123-456",  "30/987-6543",
                                   "62/123-457",    "12345678106", "11111111-22222222"};
                               for (int i = 0; i < values.size(); ++i) {
                                   auto *e = t->findChild<QLineEdit *>(QStringLiteral("DBEdit%1").arg(i + 1));
                                   limits << e->maxLength();
                                   retype(e, values[i]);
                               }
                               t->findChild<QPushButton *>("btnOK")->click();
                           }));
        QCOMPARE(nameShown, empty ? QString() : QStringLiteral("Horgászegyesület"));
        QCOMPARE(limits, QList<int>({100, 5, 25, 50, 25, 25, 25, 11, 24}));
        QCOMPARE(tulajdonosRows(), QStringList{"Kárász HE|62/123-456|30/987-6543|62/123-457|6720|Szeged|"
                                               "Tisza-part 1.|12345678106|11111111-22222222"});
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void ownerRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << ""
                                    << "Az egyesület nevét meg kell adni.";
        QTest::newRow("only blanks") << "   "
                                     << "Az egyesület nevét meg kell adni.";
        // The name is the key: renaming the first row to the second one's name.
        QTest::newRow("name of another row") << "Zsinóros HE"
                                             << "Hiányos, vagy hibás adatmegadás\r\n"
                                                "Ismétlődő kulcs";
    }
    void ownerRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Db::exec("INSERT INTO tulajdonos (tulajdonos) VALUES ('Zsinóros HE')");
        const QStringList before = tulajdonosRows();
        bool openAfter = false;
        QVERIFY(driveModal([&] { QVERIFY(!TulajdonosSzerkeszt()); },
                           [&](QDialog *dlg) {
                               auto *t = qobject_cast<Tfrm_Tulajdonos *>(dlg);
                               QVERIFY(t);
                               retype(t->findChild<QLineEdit *>("DBEdit1"), name);
                               t->findChild<QPushButton *>("btnOK")->click();
                               openAfter = t->isVisible();
                               t->findChild<QPushButton *>("btnMegsem")->click();
                           }));
        QVERIFY(openAfter);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown()[0].caption, QStringLiteral("Hiba"));
        QVERIFY2(MessageBoxHook::shown()[0].text.startsWith(message),
                 qPrintable(MessageBoxHook::shown()[0].text));
        QCOMPARE(tulajdonosRows(), before);
    }
};

QTEST_MAIN(TestBeallit)
#include "tst_beallit.moc"
