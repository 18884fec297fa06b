#include "mainwindow/Readme.h"

#include "platform/db/DataFolder.h"
#include "platform/ui/EditDialog.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

Tfrm_Readme::Tfrm_Readme(QWidget *parent) : QDialog(parent)
{
    setObjectName("frm_Readme");
    setWindowTitle(QStringLiteral("Fontos információk"));
    auto *text = new QPlainTextEdit(szoveg(), this);
    text->setObjectName("memReadme");
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    resize(560, 380);
}

QString Tfrm_Readme::szoveg()
{
    const QString vonal(18, '-');
    return QStringLiteral("Vorn - Horgászegyesületi nyilvántartó program\n") + vonal +
           QStringLiteral("\nFontos információk\n") + vonal +
           QStringLiteral(
               "\n\nA program belépési kódjai alapértelmezésben\n"
               "    Felhasználó: %1\n"
               "    Jelszó: %2\n"
               "A felhasználó, és jelszó megadásánál a kis, és nagybetű különbsége fontos.\n\n"
               "A belépést a Beállítások ablak \u201eBelépésnél jelszót kér\u201d jelölőjével lehet "
               "bekapcsolni; a változás a program következő indításakor lép életbe.\n"
               "A felhasználókat a Rendszer menü Felhasználók pontjában lehet karbantartani, a saját "
               "jelszó a belépő ablakban is megváltoztatható.\n\n"
               "Az adatbázis archiválása (Rendszer menü, Adatbázis archiválása) után a programot újra "
               "kell indítani.\n"
               "Ha több munkaállomás használja ugyanazt az adatmappát, az adatbázis karbantartó "
               "programot csak akkor indítsa el, ha egyik munkaállomáson sem fut a program.\n")
               .arg(QString::fromLatin1(DataFolder::DefaultUser),
                    QString::fromLatin1(DataFolder::DefaultPassword));
}

void Tfrm_Readme::showEvent(QShowEvent *e)
{
    applyProgramFontSize(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(e);
}
