#include "output/ListaKimenet.h"

#include "output/Hatarolt.h"
#include "output/Kimenet.h"
#include "output/ListaKeret.h"
#include "output/Szovegmeret.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportOutput.h"

namespace {

// Closes the data of one report call and takes them out of the definition,
// however the call ends.
struct Lezaro {
    ReportDefinition &def;
    DataSet &query;
    DataSet &owner;
    ~Lezaro()
    {
        query.close();
        owner.close();
        def.data = nullptr;
        def.sources.remove(TulajdonosForras);
    }
};

} // namespace

void ListaKimenet(ReportDefinition &def, DataSet &query, const QString &filter, QWidget *owner)
{
    DataSet tulajdonos;
    Lezaro lezaro{def, query, tulajdonos};
    if (!filter.isEmpty())
        query.setFilter(filter);
    if (!query.isOpen())
        query.open();
    TulajdonosBeallit(tulajdonos);
    tulajdonos.open();
    tulajdonos.first();
    def.data = &query;
    def.sources.insert(TulajdonosForras, &tulajdonos);
    // Long owner lines get a smaller size rather than running out of their box.
    ErtekekhezIgazit(*def.band(ReportBand::Kind::PageHeader), def);

    switch (KimenetValaszt(owner)) {
    case 0:
        previewReport(def, owner);
        break;
    case 1:
        printReport(def);
        break;
    case 2:
        HataroltExport(query, def.title + QStringLiteral(".csv"), owner);
        break;
    default:
        break;
    }
}
