#pragma once
// Controls bound to a field of a data set. Each shows the current row's value
// (or the edit buffer's while inserting or editing) and follows the data set's
// signals; what the user changes goes into the edit buffer, and a data set that
// is browsing is put into edit state first.
#include "platform/db/DataSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <functional>

// The link of one control to one field.
class FieldLink : public QObject {
    Q_OBJECT
public:
    // show puts value() into the control; it runs on bind and on every change
    // of the data set, never while the control itself is writing.
    explicit FieldLink(std::function<void()> show);

    void bind(DataSet *ds, const QString &field);
    DataSet *dataSet() const { return m_ds; }
    const QString &field() const { return m_field; }
    const DataSet::Column *column() const; // nullptr while unbound or unknown
    QVariant value() const;                // null while unbound, closed or empty
    // Writes into the edit buffer; ignored while showing or when the data set is closed.
    void write(const QVariant &v);

private:
    void refresh();

    QPointer<DataSet> m_ds;
    QString m_field;
    std::function<void()> m_show;
    bool m_showing = false;
    bool m_writing = false;
};

// Line edit: at most the field's width; optional upper case (shown and written
// in capitals). Text fields are
// written as typed; numbers, dates and times are read when the edit is left and
// a bad value is refused with a message, nothing written and the focus kept.
class BoundLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit BoundLineEdit(QWidget *parent = nullptr);
    void bind(DataSet *ds, const QString &field);
    void setUpperCase(bool on);
    // Writes a typed number or date now (a dialog's OK calls it before posting
    // when it did not take the focus); false after the message when refused.
    bool commit();

protected:
    void focusOutEvent(QFocusEvent *e) override;

private:
    void showValue();
    void edited(const QString &text);
    Schema::Type type() const;
    bool isTextField() const; // written as typed, not when left

    FieldLink m_link;
    bool m_upperCase = false;
    bool m_refusing = false;
};

// "I" ticked, anything else not; the user's click writes "I" or "N".
class BoundCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit BoundCheckBox(const QString &text = {}, QWidget *parent = nullptr);
    void bind(DataSet *ds, const QString &field) { m_link.bind(ds, field); }

private:
    FieldLink m_link;
};

// Date picker in the short date format. Null shows empty (the minimum date
// stands for it); Delete makes the date null.
class BoundDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit BoundDateEdit(QWidget *parent = nullptr);
    void bind(DataSet *ds, const QString &field) { m_link.bind(ds, field); }

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    FieldLink m_link;
};

class BoundMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit BoundMemo(QWidget *parent = nullptr);
    void bind(DataSet *ds, const QString &field) { m_link.bind(ds, field); }

private:
    FieldLink m_link;
};

// Drop-down list of the rows of another data set: shows displayField, writes
// keyField of the chosen row into the bound field.
class BoundLookupCombo : public QComboBox {
    Q_OBJECT
public:
    explicit BoundLookupCombo(QWidget *parent = nullptr);
    void bind(DataSet *ds, const QString &field) { m_link.bind(ds, field); }
    void setLookup(DataSet *list, const QString &keyField, const QString &displayField);

private:
    void fill();
    void showValue();

    FieldLink m_link;
    QPointer<DataSet> m_list;
    QString m_keyField;
    QString m_displayField;
};

// Read-only text of the field, through an optional display format.
class BoundLabel : public QLabel {
    Q_OBJECT
public:
    explicit BoundLabel(QWidget *parent = nullptr);
    void bind(DataSet *ds, const QString &field) { m_link.bind(ds, field); }
    void setDisplayFormat(std::function<QString(const QVariant &)> format);

private:
    void showValue();

    FieldLink m_link;
    std::function<QString(const QVariant &)> m_format;
};
