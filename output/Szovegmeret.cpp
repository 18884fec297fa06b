#include "output/Szovegmeret.h"

#include "foundation/Formats.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportLayout.h"
#include "platform/ui/FieldText.h"

#include <QStringList>
#include <algorithm>

QFont JelentesBetu(const ReportFont &font, const QString &family)
{
    ReportText t;
    t.family = font.family.isEmpty() ? family : font.family;
    t.size = font.size;
    t.bold = font.bold;
    t.italic = font.italic;
    t.underline = font.underline;
    return t.font();
}

double SorokMagassaga(const ReportFont &font, const QString &family, int sorok)
{
    // Capitals with accents and a descender: the tallest a line gets.
    const QStringList lines(std::max(sorok, 1), QStringLiteral("ŐÁgy"));
    return textHeightMm(lines.join(u'\n'), JelentesBetu(font, family), 1000, false);
}

void ErtekekhezIgazit(ReportBand &band, const ReportDefinition &def, double legkisebb)
{
    for (ReportItem &it : band.items) {
        if (it.kind != ReportItem::Kind::Field || it.grow || it.wordWrap || it.autoSize || !it.visible)
            continue;
        const DataSet *ds = it.source.isEmpty() ? def.data : def.sources.value(it.source, nullptr);
        if (!ds || ds->isEmpty() || ds->fieldIndex(it.field) < 0)
            continue;
        const QVariant v = ds->value(it.field);
        // The text the layout prints for the value.
        const QString text = it.format                        ? it.format(v)
                             : v.typeId() == QMetaType::QDate ? Formats::reportDate(v.toDate())
                                                              : fieldText(v);
        const double width = it.alignToBand ? def.printableWidth() : it.rect.width();
        double size = it.font.size > 0 ? it.font.size : def.fontSize;
        ReportFont f = it.font;
        f.size = size;
        while (size - 0.5 >= legkisebb && textWidthMm(text, JelentesBetu(f, def.fontFamily)) > width)
            f.size = size -= 0.5;
        it.font.size = size;
    }
}
