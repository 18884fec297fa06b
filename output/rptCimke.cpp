#include "output/rptCimke.h"

#include "foundation/Error.h"
#include "output/Szovegmeret.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportOutput.h"

#include <algorithm>
#include <cmath>

namespace {

// The design layout of one label, in layout units: top and height of each
// field, and its font size.
struct Terv {
    int top;
    int height;
    int size;
};
constexpr Terv NevTerv{8, 49, 11};
constexpr Terv VarosTerv{60, 17, 10};
constexpr Terv CimTerv{80, 17, 10};
constexpr Terv IrszTerv{128, 19, 14};
constexpr int Bal = 8; // the left edge of every field

// The rows for narrow labels: below the width, each field's size and top.
struct Szukites {
    double w;
    int nevSize, nevTop, varosSize, varosTop, cimSize, cimTop, irszSize, irszTop;
};
constexpr Szukites Szukitesek[] = {
    {50, 11, 8, 10, 52, 10, 72, 12, 100},
    {40, 9, 4, 8, 40, 8, 56, 10, 72},
    {32, 9, 0, 8, 24, 8, 40, 9, 56},
    {24, 8, 0, 8, 20, 8, 32, 8, 48},
};

CimkeMezo mezo(int top, int height, int size)
{
    return {layoutUnitsToMm(top), layoutUnitsToMm(height), size};
}

} // namespace

CimkeMeretek CimkeMeretez(int oszlop, double szelsomargo)
{
    const double w = oszlop < 1 ? 0 : (210 - 2 * szelsomargo) / oszlop - 4;
    if (oszlop < 1 || !(w > 0))
        throw VornError(QStringLiteral(
            "Hibás címke beállítás: legalább egy oszlop és pozitív címkeszélesség szükséges."));
    CimkeMeretek m;
    m.w = w;
    m.nev = mezo(NevTerv.top, NevTerv.height, NevTerv.size);
    m.varos = mezo(VarosTerv.top, VarosTerv.height, VarosTerv.size);
    m.cim = mezo(CimTerv.top, CimTerv.height, CimTerv.size);
    m.irsz = mezo(IrszTerv.top, IrszTerv.height, IrszTerv.size);
    // Every row that holds is applied in turn, so the last of them stands.
    for (const Szukites &s : Szukitesek)
        if (w < s.w) {
            m.nev = mezo(s.nevTop, NevTerv.height, s.nevSize);
            m.varos = mezo(s.varosTop, VarosTerv.height, s.varosSize);
            m.cim = mezo(s.cimTop, CimTerv.height, s.cimSize);
            m.irsz = mezo(s.irszTop, IrszTerv.height, s.irszSize);
        }
    return m;
}

CimkeMeretek CimkeIgazit(CimkeMeretek m, double cimkemagas, double nevSor, double irszSor)
{
    // The postal code keeps as much room below its line as the name has above it.
    const double alja = cimkemagas - m.nev.top;
    const double irsz = irszSor > 0 ? std::min(m.irsz.height, irszSor) : m.irsz.height;
    if (m.irsz.top + irsz > alja && m.irsz.top > 0) {
        const double f = std::max(0.0, (alja - irsz) / m.irsz.top);
        for (CimkeMezo *mezo : {&m.nev, &m.varos, &m.cim, &m.irsz})
            mezo->top *= f;
    }
    if (nevSor > 0) {
        const int sorok = std::max(1, int(std::floor((m.varos.top - m.nev.top) / nevSor + 1e-6)));
        m.nev.height = std::min(m.nev.height, sorok * nevSor);
    }
    return m;
}

void CimkeNyomtat(const QString &filter, int oszlop, double felsomargo, double szelsomargo, double cimkemagas,
                  QWidget *owner)
{
    // A null height reads as 0, which would print every label over the first one.
    const CimkeMeretek meretek = CimkeMeretez(oszlop, szelsomargo);
    if (!(cimkemagas > 0))
        throw VornError(QStringLiteral("Hibás címke beállítás: pozitív címkemagasság szükséges."));
    const QString tahoma = QStringLiteral("Tahoma");
    ReportFont nevBetu;
    nevBetu.size = meretek.nev.size;
    nevBetu.bold = true;
    ReportFont irszBetu = nevBetu;
    irszBetu.size = meretek.irsz.size;
    const double nevSor = SorokMagassaga(nevBetu, tahoma, 2) - SorokMagassaga(nevBetu, tahoma, 1);
    const CimkeMeretek m = CimkeIgazit(meretek, cimkemagas, nevSor, SorokMagassaga(irszBetu, tahoma, 1));

    DataSet ugyfel;
    ugyfel.setQuery(QStringLiteral("SELECT * FROM ugyfel ORDER BY Ugyfel;"));
    if (!filter.isEmpty())
        ugyfel.setFilter(filter);
    ugyfel.open();

    ReportDefinition def;
    def.margins = QMarginsF(szelsomargo, felsomargo, szelsomargo, felsomargo);
    def.fontFamily = tahoma;
    def.title = QStringLiteral("Címke nyomtatás");
    def.data = &ugyfel;

    ReportBand &detail = def.addBand(ReportBand::Kind::Detail, cimkemagas);
    detail.columns = oszlop;
    const double bal = layoutUnitsToMm(Bal);
    const auto add = [&](const QString &field, const CimkeMezo &f, bool bold, bool underline, bool wrap) {
        ReportFont font;
        font.size = f.size;
        font.bold = bold;
        font.underline = underline;
        ReportItem &item = detail.add(ReportItem::fieldItem(QRectF(bal, f.top, m.w, f.height), field, font));
        item.wordWrap = wrap;
    };
    add(QStringLiteral("Ugyfel_nev"), m.nev, true, false, true);
    add(QStringLiteral("Cim_varos"), m.varos, false, true, false);
    add(QStringLiteral("Cim_cim"), m.cim, false, false, false);
    add(QStringLiteral("Cim_irsz"), m.irsz, true, false, false);

    previewReport(def, owner);
    ugyfel.close();
}
