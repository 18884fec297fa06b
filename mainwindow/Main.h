#pragma once
// The main window: the program's home, owner of the member table for the whole
// run. Creating it runs the start-up sequence; closing it writes the settings
// and closes the connection, which ends the program.
#include <QMainWindow>

class DataSet;
class GridModel;
class GridView;
class QLabel;
class QLineEdit;

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
    QLabel *statusPanel(int i) const;

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildWindow();
    void showPosition();
    QString beallitOlvas();

    DataSet *m_ugyfel;
    GridModel *m_model = nullptr;
    GridView *m_grid = nullptr;
    QLabel *m_cimPanel = nullptr;
    QLineEdit *m_kereso = nullptr;
    QList<QLabel *> m_panels;
    int m_tipusSzuro = -1;
    QString m_sorrendMezo = "Ugyfel_nev";
    bool m_elsoMegjelenes = true;
};
