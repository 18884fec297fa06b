#pragma once
// The main window: the program's home, owner of the member table for the whole
// run. Creating it runs the start-up sequence; closing it writes the settings
// and closes the connection, which ends the program.
#include <QMainWindow>
#include <QPixmap>
#include <QRect>

class DataSet;
class GridModel;
class GridView;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTabBar;
class QToolBar;
class PhotoBox;

class Tfrm_Main : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char *Verzio = "Vorn V5.0.1.158";

    explicit Tfrm_Main(QWidget *parent = nullptr);
    ~Tfrm_Main() override;

    // The start-up sequence. False when the program must end: the data folder is
    // missing, the database cannot be opened or the login was not completed (the
    // error box has been shown where there is one).
    bool Inditas();

    DataSet *ugyfel() const { return m_ugyfel; }
    int tipusSzuro() const { return m_tipusSzuro; }
    QString sorrendMezo() const { return m_sorrendMezo; }
    QLabel *statusPanel(int i) const;
    QAction *parancs(const QString &name) const;  // a command by its name (aUj ...)
    GridView *grid() const { return m_grid; }

    // The member's photo: pictures folder + five-digit key + ".jpg".
    static QString fotoUtvonal(int ugyfel);
    // Where a photo of this size is drawn in the picture area: at its own size,
    // centred, when smaller both ways; otherwise scaled to fit and centred.
    static QRect FotoHely(const QSize &image, const QSize &area);
    bool fotoLathato() const;  // a photo (not the placeholder) is shown
    // Moves to the member with this key; the current row stays when none has it.
    bool UgyfelPozicional(int ugyfel);

    // List operations behind the commands and controls.
    void Rendez(int column);           // a click on a column title
    bool Keres(const QString &text);   // incremental search in the current order
    void UgrasFul(int tab);            // a jump tab was chosen
    void TipusSzures();                // aSzur
    void UjUgyfel();                   // aUj
    void UgyfelSzerkeszt();            // aSzerkeszt
    void UgyfelTorol();                // aTorol
    void BetumeretValt(int delta);     // aBetuNovel, aBetuCsokkent
    void FotoValaszt();                // a click on the photo

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void buildActions();
    void buildMenus();
    void buildList();
    QWidget *buildDetail();
    void showPosition();
    QString beallitOlvas();
    void soronAll();  // after every move: status and photo
    void oszlopSzelessegek();
    void szerkesztoDialog();
    void setSortColumn(int column);

    DataSet *m_ugyfel;
    GridModel *m_model = nullptr;
    GridView *m_grid = nullptr;
    QTabBar *m_fulek = nullptr;
    QLabel *m_cimPanel = nullptr;
    QLineEdit *m_kereso = nullptr;
    PhotoBox *m_foto = nullptr;
    QList<QLabel *> m_panels;
    QList<QLabel *> m_szabadCimkek;  // captions of the free fields 1, 2, 3, 4 and 6
    QMenu *m_gridMenu = nullptr;
    int m_tipusSzuro = -1;
    int m_sortColumn = 1;
    QString m_sorrendMezo = "Ugyfel_nev";
    bool m_elsoMegjelenes = true;
};
