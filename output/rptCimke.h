#pragma once
// Address labels of the members, laid out by a label sheet definition.
#include <QString>

class QWidget;

// Size and place of one field of a label: top and height in mm, font size in points.
struct CimkeMezo {
    double top = 0;
    double height = 0;
    int size = 0;
};

// The text width of a label and its four fields, as the definition gives them.
struct CimkeMeretek {
    double w = 0; // mm, the width of every field
    CimkeMezo nev;
    CimkeMezo varos;
    CimkeMezo cim;
    CimkeMezo irsz;
};

// w = (210 - 2 * szelsomargo) / oszlop - 4 mm; narrower labels get smaller
// fonts set higher up. Throws VornError for fewer than one column or a width
// that is not positive.
CimkeMeretek CimkeMeretez(int oszlop, double szelsomargo);

// Fits the fields into a label cimkemagas mm high. When the postal code's line
// (irszSor mm, at most its box) would come nearer to the label's bottom than
// the name is to its top, every top moves up in the same proportion until it
// does not. The name's box ends at its last whole line (nevSor mm each, at
// least one line) above the town, so a long name is cut rather than written
// over the town.
CimkeMeretek CimkeIgazit(CimkeMeretek m, double cimkemagas, double nevSor, double irszSor);

// The labels of the members that match filter (all of them, active or not, when
// it is empty), in key order, filled across each row first; modal preview.
// Throws VornError, and shows nothing, for a definition that CimkeMeretez refuses
// or a label height that is not positive.
void CimkeNyomtat(const QString &filter, int oszlop, double felsomargo, double szelsomargo, double cimkemagas,
                  QWidget *owner = nullptr);
