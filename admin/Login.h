#pragma once
// The login dialog shown at start when the settings table asks for it. Every
// attempt, failed or not, leaves a row in the login log naplo.
#include <QDialog>

class DataSet;
class QLineEdit;
class QPushButton;

class Tfrm_Login : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Login(QWidget *parent = nullptr);
    ~Tfrm_Login() override;

    bool belepett() const { return m_belepett; }

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    bool Ellenoriz();  // the credential check; shows the error box on failure
    void Belepes();    // btnOK
    void UjJelszo();   // btnUjJelszo

    QLineEdit *edtFelhasznalo;
    QLineEdit *edtJelszo;
    QPushButton *btnOK;
    QPushButton *btnUjJelszo;
    QPushButton *btnMegsem;
    DataSet *m_felhasznalo;
    bool m_belepett = false;
};
