#pragma once
// The period dialog every report and list covering a span of days asks with,
// its quick choices and the "one month back" preset of the period commands.
#include "platform/ui/EditDialog.h"

#include <QDate>

class QDateEdit;

// A span of whole days, from also to felso.
struct Idokoz {
    QDate also;
    QDate felso;
};

// The quick choices of the dialog, counted from the day ma.
Idokoz EzAHet(const QDate &ma);    // Monday to Sunday of the ISO 8601 week of ma
Idokoz EzAHonap(const QDate &ma);  // first to last day of the month of ma
Idokoz MultHonap(const QDate &ma); // first to last day of the previous month
Idokoz Iden(const QDate &ma);      // 1 January to 31 December of the year of ma

// The same day of the previous month, or that month's last day when it is
// shorter: 31 March gives the last day of February.
QDate EgyHonappalKorabban(const QDate &d);

class Tfrm_Idoszak : public EditDialog {
    Q_OBJECT
public:
    explicit Tfrm_Idoszak(QWidget *parent = nullptr);

    QDateEdit *also() const { return eAlso; }
    QDateEdit *felso() const { return eFelso; }
    // The day the quick choices count from; invalid (the default) means the
    // current date at the moment a button is pressed.
    void setMa(const QDate &ma) { m_ma = ma; }

private:
    void Beallit(Idokoz (*valasztas)(const QDate &));

    QDateEdit *eAlso;
    QDateEdit *eFelso;
    QDate m_ma;
};

// Asks for a period preset to also and felso. True on OK, with the chosen days
// in also and felso (a from day after the to day is returned as it is); false
// on cancel, leaving both untouched. A non-empty felirat replaces the caption.
bool IdoszakMegad(QDate &also, QDate &felso, const QString &felirat = {}, QWidget *owner = nullptr);
