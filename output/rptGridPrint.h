#pragma once
// The grid print: whatever a data grid shows, column for column, in proportion
// to the columns' widths on screen.
#include "platform/report/ReportDefinition.h"

#include <QString>

class GridView;

// The report TqrGridPrint over the grid's data set (which stays open), built
// as GridNyomtat prints it.
ReportDefinition GridPrintReport(const GridView &grid, bool portrait, const QString &title, int fontSize,
                                 const QString &sumField, const QString &subtitle);

// Prints at once on the current printer (print true) or opens the modal preview.
void GridNyomtat(GridView &grid, bool print, bool portrait, const QString &title, int fontSize,
                 const QString &sumField, const QString &subtitle);
