#pragma once
// The frame the list reports share: page header with logo, title box and owner
// box, and the common page footer; and the owner data every report prints.
#include "platform/report/ReportDefinition.h"

#include <QString>

class DataSet;

// The name under which reports find the owner table among their sources.
inline const QString TulajdonosForras = QStringLiteral("tulajdonos");
// The web address line of the common footer.
inline const QString WebCim = QStringLiteral("www.kelvar.example");

// Sets owner up as the owner table tulajdonos (read in its order, not opened)
// with the calculated field irszvaros: irsz + ", " + varos, nulls as empty text.
void TulajdonosBeallit(DataSet &owner);

// The owner block: a box drawn as its top and bottom edges, boxWidth wide and
// 20.2 mm high from boxLeft, with tulajdonos (10 pt bold) at 1.3 mm, irszvaros
// at 6.6, cim at 10.6 and telefon at 14.6 mm. Right-aligned lines stand at the
// band's right edge, left-aligned ones from boxLeft.
void TulajdonosBlokk(ReportBand &band, double boxLeft, double boxWidth, Qt::Alignment alignment);

// The small picture of the list reports' page header.
QImage ListaLogo();

// The common page footer with the program's web address line.
ReportBand &KozosLablec(ReportDefinition &def);

// Makes def a list report: A4 portrait, 10 mm margins, Tahoma; page header
// (30.1 mm, 2-pixel silver rule at its bottom) with logo, title box, title,
// subtitle, the period line when not empty, owner box; the common footer. The
// report adds its column captions (at 23.8 mm) to the returned page header.
// When owner is given it becomes the source TulajdonosForras; otherwise the
// report output sequence supplies it.
ReportBand &ListaKeret(ReportDefinition &def, const QString &title, const QString &subtitle,
                       const QString &periodLine, const QString &identifier, const QString &productLine,
                       const DataSet *owner = nullptr);
