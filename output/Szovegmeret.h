#pragma once
// Text measures for the reports that fit their boxes to their texts: the font
// an item is measured in, and the height of whole lines, so that a box cut at
// its edge shows whole lines only.
#include "platform/report/ReportDefinition.h"

#include <QFont>

// The font of an item as the report layout measures and paints it (an empty
// family is family).
QFont JelentesBetu(const ReportFont &font, const QString &family);

// The height in mm that sorok lines of text take in that font.
double SorokMagassaga(const ReportFont &font, const QString &family, int sorok);

// For reports of one record, whose values are known before the layout: every
// one-line field of band whose value at its data set's current row is wider
// than its box gets a smaller font, in half points down to legkisebb, so it is
// shown whole rather than cut.
void ErtekekhezIgazit(ReportBand &band, const ReportDefinition &def, double legkisebb = 6);
