#include "output/Hatarolt.h"

#include "foundation/Error.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/io/Documents.h"
#include "platform/io/Spreadsheet.h"
#include "platform/io/TextFile.h"
#include "platform/ui/FieldText.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using Schema::Type;

namespace Hatarolt {

namespace {

QString valueText(const DataSet &ds, int row, int column, const Options &o)
{
    const DataSet::Column &c = ds.columns()[size_t(column)];
    const QVariant v = ds.valueAt(row, column);
    if (c.type == Type::Memo)
        return o.memo
                   ? KarakterCsere(SorokOsszefuz(NullSzoveg(v, {}), QStringLiteral("|")), o.delimiter, u',')
                   : QStringLiteral("BLOB");
    return fieldText(v);
}

QString qualified(QString text, const Options &o)
{
    if (o.qualifier.isEmpty())
        return text + o.delimiter;
    text.replace(o.qualifier, o.qualifier + o.qualifier);
    return o.qualifier + text + o.qualifier + o.delimiter;
}

} // namespace

QString headerLine(const DataSet &ds, const std::vector<bool> &takesPart, const Options &o)
{
    QString line;
    if (o.noHeader)
        return line;
    const auto &columns = ds.columns();
    for (size_t i = 0; i < columns.size(); ++i)
        if (takesPart[i])
            line += qualified(o.fieldNames ? columns[i].name : columns[i].label, o);
    return line;
}

QString recordLine(const DataSet &ds, int row, const std::vector<bool> &takesPart, const Options &o)
{
    QString line;
    for (size_t i = 0; i < takesPart.size(); ++i)
        if (takesPart[i])
            line += qualified(valueText(ds, row, int(i), o), o);
    return line;
}

} // namespace Hatarolt

namespace {

const QString SaveFilter =
    QStringLiteral("CSV állományok (*.csv)|*.csv|Text állományok (*.txt)|*.txt|Excel munkalap (*.xls)|*.xls|"
                   "Excel munkafüzet (*.xlsx)|*.xlsx|Minden állomány (*.*)|*.*");

// The dialog's decoration: a sheet of cells.
QPixmap tablazatKep()
{
    QPixmap kep(72, 72);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setPen(QColor(70, 110, 70));
    p.setBrush(Qt::white);
    p.drawRect(8, 6, 56, 60);
    p.fillRect(9, 7, 55, 10, QColor(60, 140, 70));
    for (int y = 17; y < 66; y += 8)
        p.drawLine(8, y, 64, y);
    for (int x = 26; x < 64; x += 19)
        p.drawLine(x, 17, x, 66);
    return kep;
}

QRadioButton *radio(const char *name, const QString &caption, QWidget *parent, int top, bool checked = false)
{
    auto *r = new QRadioButton(caption, parent);
    r->setObjectName(QLatin1String(name));
    r->setGeometry(10, top, parent->width() - 20, 20);
    r->setChecked(checked);
    return r;
}

QCheckBox *checkBox(const char *name, const QString &caption, QWidget *parent, int top)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(136, top, 480, 19);
    return c;
}

// Switches a grid showing the data set off while the export walks it.
class QuietDataSet {
public:
    explicit QuietDataSet(DataSet &ds) : m_ds(ds), m_blocked(ds.blockSignals(true)) {}
    ~QuietDataSet()
    {
        m_ds.blockSignals(m_blocked);
        emit m_ds.currentChanged();
    }

private:
    DataSet &m_ds;
    bool m_blocked;
};

// After a complete walk the data set stands past its last row; after a
// stopped one on the row where it stopped.
void placeAfterWalk(DataSet &ds, int stoppedAt)
{
    if (stoppedAt < ds.recordCount()) {
        ds.moveTo(stoppedAt);
    } else {
        ds.last();
        ds.next();
    }
}

} // namespace

Tfrm_Hatarolt::Tfrm_Hatarolt(DataSet &ds, const QString &fileName, QWidget *parent)
    : EditDialog(QStringLiteral("frm_Hatarolt"), parent), m_ds(ds)
{
    setWindowTitle(QStringLiteral("Határolt szöveg export"));
    setFixedSize(635, 387);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(0, 370, 635, 17);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);

    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setObjectName("CheckListBox1");
    CheckListBox1->setGeometry(0, 0, 121, 370);
    for (const QString &name : ds.fieldNames()) {
        auto *item = new QListWidgetItem(name, CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }

    auto *Button4 = addButton(QStringLiteral("Button4"), QStringLiteral("összes"), {132, 12, 75, 25});
    auto *Button5 = addButton(QStringLiteral("Button5"), QStringLiteral("egyik sem"), {132, 44, 75, 25});

    auto *Image3 = new QLabel(this);
    Image3->setObjectName("Image3");
    Image3->setGeometry(140, 80, 72, 72);
    Image3->setPixmap(tablazatKep());

    auto *RadioGroup2 = new QGroupBox(QStringLiteral("Határoló karakter"), this);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup2->setGeometry(228, 8, 209, 153);
    m_delimiters[0] = radio("rbPontosvesszo", QStringLiteral("Pontosvessző (;)"), RadioGroup2, 24, true);
    m_delimiters[1] = radio("rbTabulator", QStringLiteral("Tabulátor"), RadioGroup2, 54);
    m_delimiters[2] = radio("rbVesszo", QStringLiteral("Vessző (,)"), RadioGroup2, 84);
    m_delimiters[3] = radio("rbCso", QStringLiteral("Cső (|)"), RadioGroup2, 114);

    auto *RadioGroup1 = new QGroupBox(QStringLiteral("Szövegjelölő"), this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setGeometry(444, 8, 177, 153);
    m_qualifiers[0] = radio("rbIdezojel", QStringLiteral("Idézőjel (\")"), RadioGroup1, 24);
    m_qualifiers[1] = radio("rbAposztrof", QStringLiteral("Aposztróf (')"), RadioGroup1, 64);
    m_qualifiers[2] = radio("rbSemmi", QStringLiteral("Semmi"), RadioGroup1, 104, true);

    CheckBox1 = checkBox("CheckBox1",
                         QStringLiteral("Többsoros mezőket is kiírja (egy sorba cső karakter választással)"),
                         this, 172);
    CheckBox2 =
        checkBox("CheckBox2", QStringLiteral("Eredeti mezőneveket használja (nem a megjelenített neveket)"),
                 this, 192);
    CheckBox3 = checkBox("CheckBox3", QStringLiteral("Fejléc nem kell (az első sorban)"), this, 212);
    CheckBox4 = checkBox("CheckBox4", QStringLiteral("Export után megnyitás"), this, 232);

    auto *Label1 = new QLabel(QStringLiteral("Filenév"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(136, 260, 200, 16);
    Edit1 = new QLineEdit(fileName, this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(136, 276, 445, 21);
    Label1->setBuddy(Edit1);

    auto *SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setGeometry(584, 272, 33, 33);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    SpeedButton1->setIconSize({24, 24});

    Button3 = addButton(QStringLiteral("Button3"), QStringLiteral("Megállít"), {140, 312, 75, 25});
    Button3->setEnabled(false);
    auto *Button1 =
        addButton(QStringLiteral("Button1"), QStringLiteral("Export indítás"), {412, 312, 100, 25});
    Button1->setDefault(true);
    auto *Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("Bezár"), {520, 312, 100, 25});

    connect(Button4, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < CheckListBox1->count(); ++i)
            CheckListBox1->item(i)->setCheckState(Qt::Checked);
    });
    connect(Button5, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < CheckListBox1->count(); ++i)
            CheckListBox1->item(i)->setCheckState(Qt::Unchecked);
    });
    connect(SpeedButton1, &QToolButton::clicked, this, &Tfrm_Hatarolt::chooseFile);
    connect(Button3, &QPushButton::clicked, this, [this] { m_running = false; });
    connect(Button1, &QPushButton::clicked, this, &Tfrm_Hatarolt::exportStart);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    CheckListBox1->setFocus();
}

std::vector<bool> Tfrm_Hatarolt::takingPart() const
{
    // A field takes part when its name is in the list and checked.
    const auto &columns = m_ds.columns();
    std::vector<bool> part(columns.size(), false);
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        const QListWidgetItem *item = CheckListBox1->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        const int index = m_ds.fieldIndex(item->text());
        if (index >= 0)
            part[size_t(index)] = true;
    }
    return part;
}

Hatarolt::Options Tfrm_Hatarolt::options() const
{
    static const QChar delimiters[] = {u';', u'\t', u',', u'|'};
    static const char *qualifiers[] = {"\"", "'", ""};
    Hatarolt::Options o;
    for (int i = 0; i < 4; ++i)
        if (m_delimiters[i]->isChecked())
            o.delimiter = delimiters[i];
    for (int i = 0; i < 3; ++i)
        if (m_qualifiers[i]->isChecked())
            o.qualifier = QLatin1String(qualifiers[i]);
    o.memo = CheckBox1->isChecked();
    o.fieldNames = CheckBox2->isChecked();
    o.noHeader = CheckBox3->isChecked();
    return o;
}

bool Tfrm_Hatarolt::chooseFile()
{
    const QString name = SaveFileName(this, {}, Edit1->text(), SaveFilter, QStringLiteral("csv"));
    if (name.isEmpty())
        return false;
    Edit1->setText(name);
    return true;
}

void Tfrm_Hatarolt::exportStart()
{
    if (Edit1->text().isEmpty() && !chooseFile())
        return;
    const QString fileName = Edit1->text();
    if (const auto format = Spreadsheet::formatOf(fileName))
        spreadsheetExport(fileName, *format);
    else
        delimitedExport(fileName);
    if (CheckBox4->isChecked()) {
        DokumentumNyit(fileName);
        accept();
    }
}

void Tfrm_Hatarolt::delimitedExport(const QString &fileName)
{
    Button3->setEnabled(true);
    const Hatarolt::Options o = options();
    const std::vector<bool> part = takingPart();
    m_running = true;
    {
        QuietDataSet quiet(m_ds);
        int row = 0;
        try {
            m_ds.fetchAll();
            const int count = m_ds.recordCount();
            ProgressBar1->setMaximum(std::max(count, 1));
            QStringList lines{Hatarolt::headerLine(m_ds, part, o)};
            for (; row < count; ++row) {
                QCoreApplication::processEvents();
                if (!m_running)
                    break;
                ProgressBar1->setValue(row + 1);
                lines << Hatarolt::recordLine(m_ds, row, part, o);
            }
            int replaced = 0;
            writeCp1250Lines(fileName, lines, &replaced);
            ProgressBar1->setValue(0);
            QString message = fileName + QStringLiteral(" file kész.");
            if (replaced > 0)
                message +=
                    QStringLiteral(
                        "\n%1 karakter nem írható a Windows közép-európai kódlapon, helyettük \"?\" áll.")
                        .arg(replaced);
            InfoUzenet(message, this);
        } catch (const VornError &e) {
            ProgressBar1->setValue(0);
            HibaUzenet(QStringLiteral("Hiba: ") + e.message(), this);
        }
        placeAfterWalk(m_ds, row);
    }
    Button3->setEnabled(false);
}

void Tfrm_Hatarolt::spreadsheetExport(const QString &fileName, Spreadsheet::Format format)
{
    const std::vector<bool> part = takingPart();
    std::vector<int> columns;
    QStringList headers;
    for (size_t i = 0; i < part.size(); ++i)
        if (part[i]) {
            columns.push_back(int(i));
            headers << m_ds.columns()[i].label;
        }
    QuietDataSet quiet(m_ds);
    m_ds.fetchAll();
    const int count = m_ds.recordCount();
    ProgressBar1->setMaximum(std::max(count, 1));
    int row = 0;
    const auto next = [&](std::vector<QVariant> &values) {
        if (row >= count)
            return false;
        values.clear();
        for (int c : columns)
            values.push_back(m_ds.valueAt(row, c));
        ++row;
        return true;
    };
    const auto progress = [this](int written) { ProgressBar1->setValue(written); };
    try {
        Spreadsheet::write(fileName, format, headers, next, progress);
    } catch (...) {
        ProgressBar1->setValue(0);
        placeAfterWalk(m_ds, count);
        throw;
    }
    ProgressBar1->setValue(0);
    placeAfterWalk(m_ds, count);
}

void HataroltExport(DataSet &ds, const QString &proposedName, QWidget *owner)
{
    QString name = proposedName;
    if (name.isEmpty()) {
        const QString documents = DokumentumMappa();
        name =
            documents.isEmpty() ? QStringLiteral("File001.csv") : documents + QStringLiteral("/File001.csv");
    }
    Tfrm_Hatarolt dlg(ds, name, owner);
    dlg.exec();
}
