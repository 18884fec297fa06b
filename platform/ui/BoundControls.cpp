#include "platform/ui/BoundControls.h"

#include "foundation/Formats.h"
#include "platform/ui/FieldText.h"
#include "platform/ui/MessageBoxes.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>

FieldLink::FieldLink(std::function<void()> show) : m_show(std::move(show)) {}

void FieldLink::bind(DataSet *ds, const QString &field)
{
    if (m_ds)
        disconnect(m_ds, nullptr, this, nullptr);
    m_ds = ds;
    m_field = field;
    if (ds) {
        connect(ds, &DataSet::currentChanged, this, &FieldLink::refresh);
        connect(ds, &DataSet::dataReset, this, &FieldLink::refresh);
        connect(ds, &DataSet::stateChanged, this, &FieldLink::refresh);
        connect(ds, &DataSet::bufferChanged, this, [this](const QString &f) {
            if (f.compare(m_field, Qt::CaseInsensitive) == 0)
                refresh();
        });
    }
    refresh();
}

const DataSet::Column *FieldLink::column() const
{
    const int i = m_ds ? m_ds->fieldIndex(m_field) : -1;
    return i < 0 ? nullptr : &m_ds->columns()[size_t(i)];
}

QVariant FieldLink::value() const
{
    if (!m_ds || !m_ds->isOpen() || (!m_ds->isEditing() && m_ds->isEmpty()) || !column())
        return {};
    return m_ds->value(m_field);
}

void FieldLink::write(const QVariant &v)
{
    if (m_showing || !m_ds || !m_ds->isOpen())
        return;
    // The control already shows what the user did: no echo while writing.
    QScopedValueRollback<bool> guard(m_writing, true);
    if (!m_ds->isEditing())
        m_ds->edit();
    m_ds->setValue(m_field, v);
}

void FieldLink::refresh()
{
    if (m_writing)
        return;
    QScopedValueRollback<bool> guard(m_showing, true);
    m_show();
}

// --- BoundLineEdit

BoundLineEdit::BoundLineEdit(QWidget *parent) : QLineEdit(parent), m_link([this] { showValue(); })
{
    connect(this, &QLineEdit::textEdited, this, &BoundLineEdit::edited);
}

void BoundLineEdit::bind(DataSet *ds, const QString &field)
{
    m_link.bind(ds, field);
    const DataSet::Column *c = m_link.column();
    setMaxLength(c && c->type == Schema::Type::Text && c->width > 0 ? c->width : 32767);
    if (c && c->readOnly)
        setReadOnly(true);
}

Schema::Type BoundLineEdit::type() const
{
    const DataSet::Column *c = m_link.column();
    return c ? c->type : Schema::Type::Text;
}

void BoundLineEdit::setUpperCase(bool on)
{
    m_upperCase = on;
    showValue();
}

void BoundLineEdit::showValue()
{
    const QString t = fieldText(m_link.value());
    setText(m_upperCase ? t.toUpper() : t);
}

bool BoundLineEdit::isTextField() const
{
    const Schema::Type t = type();
    return t == Schema::Type::Text || t == Schema::Type::Memo;
}

void BoundLineEdit::edited(const QString &text)
{
    if (m_upperCase && text != text.toUpper()) {
        const int pos = cursorPosition();
        setText(text.toUpper());
        setCursorPosition(pos);
        setModified(true);
    }
    if (isTextField())
        m_link.write(this->text()); // the data set keeps an emptied text as null
}

bool BoundLineEdit::commit()
{
    if (isReadOnly() || !isModified() || isTextField())
        return true;
    // An emptied masked edit still holds the mask's separators: that is no input.
    QString typed = text();
    if (!inputMask().isEmpty() &&
        std::none_of(typed.begin(), typed.end(), [](QChar c) { return c.isLetterOrNumber(); }))
        typed.clear();
    QVariant v;
    QString error;
    if (!parseFieldText(type(), typed, v, error)) {
        QScopedValueRollback<bool> guard(m_refusing, true);
        HibaUzenet(error, window());
        setFocus();
        selectAll();
        return false;
    }
    m_link.write(v);
    showValue(); // the value as the field shows it: "3.50" becomes "3,5"
    return true;
}

void BoundLineEdit::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    // Leaving the window (a message box, another program, a menu) is not leaving the edit.
    const bool left = e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
    if (left && !m_refusing)
        commit();
}

// --- BoundCheckBox

BoundCheckBox::BoundCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent), m_link([this] { setChecked(m_link.value().toString() == QLatin1String("I")); })
{
    connect(this, &QCheckBox::clicked, this,
            [this](bool on) { m_link.write(on ? QStringLiteral("I") : QStringLiteral("N")); });
}

// --- BoundDateEdit

BoundDateEdit::BoundDateEdit(QWidget *parent)
    : QDateEdit(parent), m_link([this] {
          const QDate d = m_link.value().toDate();
          setDate(d.isValid() ? d : minimumDate());
      })
{
    setDisplayFormat(QString::fromLatin1(Formats::ShortDate));
    setCalendarPopup(true);
    setMinimumDate(QDate(1899, 12, 30)); // stands for null, shown as the special text
    setSpecialValueText(QStringLiteral(" "));
    setDate(minimumDate());
    connect(this, &QDateEdit::dateChanged, this,
            [this](const QDate &d) { m_link.write(d == minimumDate() ? QVariant() : QVariant(d)); });
}

void BoundDateEdit::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Delete && e->modifiers() == Qt::NoModifier)
        setDate(minimumDate());
    else
        QDateEdit::keyPressEvent(e);
}

// --- BoundMemo

BoundMemo::BoundMemo(QWidget *parent)
    : QPlainTextEdit(parent), m_link([this] { setPlainText(m_link.value().toString()); })
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] { m_link.write(toPlainText()); });
}

// --- BoundLookupCombo

BoundLookupCombo::BoundLookupCombo(QWidget *parent) : QComboBox(parent), m_link([this] { showValue(); })
{
    connect(this, &QComboBox::activated, this, [this](int i) { m_link.write(itemData(i)); });
}

void BoundLookupCombo::setLookup(DataSet *list, const QString &keyField, const QString &displayField)
{
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    m_keyField = keyField;
    m_displayField = displayField;
    if (list)
        connect(list, &DataSet::dataReset, this, &BoundLookupCombo::fill);
    fill();
}

void BoundLookupCombo::fill()
{
    clear();
    if (m_list && m_list->isOpen()) {
        const int key = m_list->fieldIndex(m_keyField);
        const int shown = m_list->fieldIndex(m_displayField);
        for (int row = 0; row < m_list->recordCount(); ++row)
            addItem(fieldText(m_list->valueAt(row, shown)), m_list->valueAt(row, key));
    }
    showValue();
}

void BoundLookupCombo::showValue()
{
    const QVariant v = m_link.value();
    setCurrentIndex(v.isNull() ? -1 : findData(v));
}

// --- BoundLabel

BoundLabel::BoundLabel(QWidget *parent) : QLabel(parent), m_link([this] { showValue(); }) {}

void BoundLabel::setDisplayFormat(std::function<QString(const QVariant &)> format)
{
    m_format = std::move(format);
    showValue();
}

void BoundLabel::showValue()
{
    const QVariant v = m_link.value();
    setText(m_format ? m_format(v) : fieldText(v));
}
