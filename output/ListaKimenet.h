#pragma once
// The output sequence of the list reports: open the query and the owner table,
// ask the output chooser, preview, print or export, close the data.
#include <QString>

class DataSet;
class QWidget;
struct ReportDefinition;

// Sets filter (when not empty) on query, opens query and then the owner table
// tulajdonos (as the source TulajdonosForras of def, with irszvaros), asks
// KimenetValaszt and acts: 0 modal preview, 1 print at once on the current
// printer, 2 HataroltExport(query, def.title + ".csv"), -1 nothing. Closes the
// query and the owner table at the end, also when a step throws (the error
// goes on to the caller). def.data is set to query for the call.
void ListaKimenet(ReportDefinition &def, DataSet &query, const QString &filter = {},
                  QWidget *owner = nullptr);
