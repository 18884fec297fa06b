#include "output/Kimenet.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>
#include <QPushButton>
#include <QRadioButton>

namespace {

QList<int> &answers()
{
    static QList<int> a;
    return a;
}
int answered = 0;

} // namespace

Tfrm_Kimenet::Tfrm_Kimenet(QWidget *parent) : EditDialog("frm_Kimenet", parent)
{
    setWindowTitle(QStringLiteral("Kimenet választás"));
    setFixedSize(267, 200);
    setFont(QFont("Tahoma"));

    RadioGroup1 = new QGroupBox(QStringLiteral("Kimenet"), this);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setGeometry(8, 8, 249, 137);
    m_items = new QButtonGroup(this);
    const QStringList items{QStringLiteral("Nyomtatási kép"), QStringLiteral("Nyomtatás"),
                            QStringLiteral("Excel export (CSV)")};
    // The items share the group's height below its caption, as a radio group spreads them.
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], RadioGroup1);
        b->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        b->setGeometry(10, 22 + i * 37, 229, 24);
        m_items->addButton(b, i);
    }
    m_items->button(0)->setChecked(true);

    QPushButton *Button1 = addButton("Button1", QStringLiteral("OK"), {88, 160, 75, 25});
    QPushButton *Button2 = addButton("Button2", QStringLiteral("Mégsem"), {172, 160, 75, 25});
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    m_items->button(0)->setFocus();
}

int Tfrm_Kimenet::choice() const
{
    return m_items->checkedId();
}

int KimenetValaszt(QWidget *parent)
{
    if (!answers().isEmpty()) {
        ++answered;
        return answers().takeFirst();
    }
    Tfrm_Kimenet dlg(parent);
    return dlg.exec() == QDialog::Accepted ? dlg.choice() : -1;
}

namespace KimenetHook {

void expect(int choice)
{
    answers().append(choice);
}
int asked()
{
    return answered;
}
void clear()
{
    answers().clear();
    answered = 0;
}

} // namespace KimenetHook
