#include "output/Grid2Html.h"
#include "output/MapiMail.h"

#include "foundation/Error.h"
#include "foundation/Folders.h"
#include "foundation/Formats.h"
#include "foundation/Kodlap.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/io/Documents.h"
#include "platform/io/TextFile.h"
#include "platform/ui/FieldText.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

namespace Grid2Html {

namespace {

const QString Font1 = QStringLiteral("<font face=\"Verdana\" size=\"1\">");

struct Column {
    int gridColumn;
    int field; // index in the data set
    QString width;
    QString align;
    QString title;
};

// Numbers stand to the right, everything else to the left, as the fields
// align themselves whatever the grid's column says.
QString fieldAlign(Schema::Type type)
{
    switch (type) {
    case Schema::Type::Integer:
    case Schema::Type::AutoInc:
    case Schema::Type::Real:
        return QStringLiteral("<p align=\"right\">");
    default:
        return {};
    }
}

int percent(int width, int whole)
{
    return whole > 0 ? int(std::nearbyint(100.0 * width / whole)) : 0; // halves to even
}

} // namespace

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&':
            out += QLatin1String("&amp;");
            break;
        case U'<':
            out += QLatin1String("&lt;");
            break;
        case U'>':
            out += QLatin1String("&gt;");
            break;
        case U'"':
            out += QLatin1String("&quot;");
            break;
        default:
            if (c < 0x10000 && Kodlap::cp1250Code(QChar(char16_t(c))) >= 0)
                out += QChar(char16_t(c));
            else
                out += QStringLiteral("&#%1;").arg(uint(c));
        }
    }
    return out;
}

QStringList pageLines(const GridView &grid, const Page &page, const std::function<void(int)> &progress)
{
    const GridModel *model = grid.gridModel();
    DataSet &ds = *model->dataSet();
    const int groupField = page.groupField.isEmpty() ? -1 : ds.fieldIndex(page.groupField);
    if (!page.groupField.isEmpty() && groupField < 0)
        throw VornError(QStringLiteral("A(z) %1 mező nem található.").arg(page.groupField));

    // Each named piece of the sum list has its own total.
    QStringList sumNames;
    for (int n = 1; n <= 50; ++n) {
        const QString piece = MezoResz(QStringLiteral(";"), page.sumList, n);
        if (!piece.isEmpty())
            sumNames << piece;
    }
    std::vector<double> sums(size_t(sumNames.size()), 0.0);

    std::vector<Column> columns;
    const QHeaderView *header = grid.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int c = header->logicalIndex(visual);
        const GridColumn &gc = model->columns()[size_t(c)];
        if (gc.field.isEmpty() || grid.isColumnHidden(c))
            continue;
        const int field = ds.fieldIndex(gc.field);
        const Schema::Type type = field >= 0 ? ds.columns()[size_t(field)].type : Schema::Type::Text;
        columns.push_back({c, field, QString::number(percent(grid.columnWidth(c), grid.width())),
                           fieldAlign(type), model->headerData(c, Qt::Horizontal).toString()});
    }
    const auto sumSlot = [&](const Column &col) {
        if (col.field >= 0)
            for (int i = 0; i < sumNames.size(); ++i)
                if (sumNames[i].compare(ds.columns()[size_t(col.field)].name, Qt::CaseInsensitive) == 0)
                    return i;
        return -1;
    };

    QStringList l;
    l << QStringLiteral("<html>") << QString() << QStringLiteral("<head>")
      << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">")
      << QStringLiteral("<title>") + escaped(page.title) + QStringLiteral("</title>")
      << QStringLiteral("<meta name=\"GENERATOR\" content=\"Kelvar Bt. Grid2Html\">")
      << QStringLiteral("</head>") << QString() << QStringLiteral("<body>")
      << QStringLiteral("<p><strong><font face=\"Verdana\" size=\"2\">") + escaped(page.title) +
             QStringLiteral("</font></strong></p>")
      << QStringLiteral("<p><strong><font face=\"Verdana\" size=\"1\">") + escaped(page.subtitle) +
             QStringLiteral("</font></strong></p>")
      << QStringLiteral("<div align=\"center\"><center>") << QString()
      << QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\" width=\"90%\">");

    const auto headRow = [&](const std::function<QString(const Column &)> &text) {
        l << QStringLiteral("  <tr>");
        for (const Column &col : columns)
            l << QStringLiteral("    <td width=\"") + col.width + QStringLiteral("%\" bgcolor=\"#C0C0C0\">") +
                     Font1 + QStringLiteral("<strong>") + col.align + text(col) +
                     QStringLiteral("</strong></font></td>");
        l << QStringLiteral("  </tr>");
    };
    headRow([](const Column &col) { return escaped(col.title); });

    ds.fetchAll();
    const int count = ds.recordCount();
    QString groupText;
    int written = 0;
    for (int row = 0; row < count; ++row) {
        if ((row + 1) % 10 == 0 && progress)
            progress(row + 1);
        if (groupField >= 0) {
            const QString text = fieldText(ds.valueAt(row, groupField));
            if (text != groupText) {
                groupText = text;
                l << QStringLiteral("  <tr>")
                  << QStringLiteral("    <td width=\"95%\" colspan=\"11\" bgcolor=\"#EAEAEA\">") + Font1 +
                         QStringLiteral("<strong>") + escaped(text) + QStringLiteral("</strong></font></td>")
                  << QStringLiteral("  </tr>");
            }
        }
        l << QStringLiteral("  <tr>");
        for (const Column &col : columns) {
            const int slot = sumSlot(col);
            if (slot >= 0)
                sums[size_t(slot)] += ds.valueAt(row, col.field).toDouble();
            const QString text = model->data(model->index(row, col.gridColumn)).toString();
            l << QStringLiteral("    <td width=\"") + col.width + QStringLiteral("%\">") + Font1 + col.align +
                     escaped(text) + QStringLiteral("</font></td>");
        }
        l << QStringLiteral("  </tr>");
        ++written;
    }
    if (!sumNames.isEmpty())
        headRow([&](const Column &col) {
            const int slot = sumSlot(col);
            return slot < 0 ? QString() : Formats::general(sums[size_t(slot)]);
        });

    l << QStringLiteral("</table>") << QStringLiteral("</center></div>") << QString()
      << QStringLiteral("<p>") + Font1 + QStringLiteral("Összesen %1 sor.</font></p>").arg(written)
      << QString()
      << QStringLiteral("<p>") + Font1 +
             QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd HH:mm:ss")) +
             QStringLiteral("</font></p>")
      << QString()
      << QStringLiteral("<p><font face=\"Courier New\" size=\"1\">") +
             escaped(QCoreApplication::applicationName()) + QStringLiteral(" 1.0.0.1</font></p>")
      << QString() << QStringLiteral("</body>") << QStringLiteral("</html>");
    return l;
}

void writePage(const QString &fileName, const QStringList &lines)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QDir().mkpath(folder))
        throw VornError(QStringLiteral("A mappa nem hozható létre: ") + QDir::toNativeSeparators(folder));
    writeCp1250Lines(fileName, lines);
}

} // namespace Grid2Html

namespace {

QString g_rememberedFolder; // of the last page saved with OK, for this run

// The dialog's decoration: a globe.
QPixmap vilaghaloKep()
{
    QPixmap kep(64, 64);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 80, 150), 2));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QRectF(6, 6, 52, 52));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(20, 6, 24, 52));
    p.drawLine(QPointF(6, 32), QPointF(58, 32));
    p.drawLine(QPointF(10, 19), QPointF(54, 19));
    p.drawLine(QPointF(10, 45), QPointF(54, 45));
    return kep;
}

} // namespace

Tfrm_Grid2Html::Tfrm_Grid2Html(const GridView &grid, const Grid2Html::Page &page, const QString &fileName,
                               QWidget *parent)
    : EditDialog(QStringLiteral("frm_Grid2Html"), parent), m_grid(grid), m_page(page)
{
    setWindowTitle(QStringLiteral("HTML export"));
    setFixedSize(546, 158);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto *Label1 = new QLabel(QStringLiteral("Mentés helye"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(12, 12, 200, 16);
    Edit1 = new QLineEdit(fileName, this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(12, 28, 489, 21);
    Label1->setBuddy(Edit1);

    auto *BitBtn1 = new QToolButton(this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(504, 24, 33, 33);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    BitBtn1->setIconSize({24, 24});

    auto *Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(12, 56, 64, 64);
    Image1->setPixmap(vilaghaloKep());

    CheckBox1 = new QCheckBox(QStringLiteral("Mentés után megnyitás"), this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(84, 56, 300, 19);
    CheckBox1->setChecked(true);

    auto *Button3 = addButton(QStringLiteral("Button3"), QStringLiteral("E-Mail"), {84, 88, 75, 25});
    auto *Button1 = addButton(QStringLiteral("Button1"), QStringLiteral("OK"), {380, 88, 75, 25});
    Button1->setDefault(true);
    auto *Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("Mégsem"), {464, 88, 75, 25});

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(0, 141, 546, 17);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);

    connect(BitBtn1, &QToolButton::clicked, this, [this] {
        const QString name = SaveFileName(this, {}, Edit1->text(),
                                          QStringLiteral("HTML dokumentum (*.htm;*.html)|*.htm;*.html"),
                                          QStringLiteral("htm"));
        if (!name.isEmpty())
            Edit1->setText(name);
    });
    connect(Button1, &QPushButton::clicked, this, [this] {
        save();
        accept();
    });
    connect(Button3, &QPushButton::clicked, this, [this] {
        CheckBox1->setChecked(false);
        save();
        MapiKuld(QStringLiteral("Html küldés"), QStringLiteral("Html küldés"), Edit1->text(), {}, {}, {}, {});
    });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    Edit1->setFocus();
}

QString Tfrm_Grid2Html::fileName() const
{
    return Edit1->text();
}

void Tfrm_Grid2Html::save()
{
    ProgressBar1->setMaximum(std::max(m_grid.gridModel()->dataSet()->recordCount(), 1));
    ProgressBar1->setValue(0);
    const QStringList lines = Grid2Html::pageLines(m_grid, m_page, [this](int record) {
        ProgressBar1->setValue(record);
        QCoreApplication::processEvents();
    });
    ProgressBar1->setValue(0);
    Grid2Html::writePage(fileName(), lines);
    if (CheckBox1->isChecked())
        DokumentumNyit(fileName());
}

void Grid2HtmlExport(const GridView &grid, const QString &title, const QString &subtitle,
                     const QString &sumList, const QString &groupField, const QString &unused, QWidget *owner)
{
    Q_UNUSED(unused);
    const QString folder = g_rememberedFolder.isEmpty() ? folders().dataRoot : g_rememberedFolder;
    const QString name = folder + u'/' + FajlNevTisztit(title + QStringLiteral(".htm"));
    Tfrm_Grid2Html dlg(grid, {title, subtitle, sumList, groupField}, name, owner);
    if (dlg.exec() == QDialog::Accepted)
        g_rememberedFolder = QFileInfo(dlg.fileName()).absolutePath();
}
