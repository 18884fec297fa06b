#include "platform/ui/SzovegBeker.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <cmath>

QSize AtlagKarakterMeret(const QFont &font)
{
    QString letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters += QLatin1Char(c);
    for (char c = 'a'; c <= 'z'; ++c)
        letters += QLatin1Char(c);
    const QFontMetrics fm(font);
    return QSize(fm.horizontalAdvance(letters) / 52, fm.height());
}

bool SzovegBeker(const QString &caption, const QString &prompt, const QString &mask, QString &value,
                 QWidget *owner)
{
    QDialog dlg(owner);
    dlg.setWindowTitle(caption);
    dlg.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // Dialog units of the font: a quarter of the average width, an eighth of the height.
    const QSize m = AtlagKarakterMeret(dlg.font());
    const auto u = [&](int a) { return int(std::lround(a * m.width() / 4.0)); };
    const auto v = [&](int a) { return int(std::lround(a * m.height() / 8.0)); };

    auto *label = new QLabel(prompt, &dlg);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setWordWrap(true);
    const QRect text = QFontMetrics(dlg.font())
                           .boundingRect(QRect(0, 0, u(164), 0), Qt::TextWordWrap | Qt::AlignLeft, prompt);
    label->setGeometry(u(8), v(8), text.width(), text.height());

    auto *edit = new QLineEdit(&dlg);
    edit->setObjectName(QStringLiteral("edtErtek"));
    if (!mask.isEmpty())
        edit->setInputMask(mask);
    edit->setMaxLength(255);
    edit->setText(value);
    edit->selectAll();
    edit->setGeometry(u(8), label->y() + label->height() + 5, u(164), edit->sizeHint().height());

    const int buttonTop = edit->y() + edit->height() + 15;
    auto *ok = new QPushButton(QStringLiteral("OK"), &dlg);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    ok->setGeometry(u(38), buttonTop, u(50), v(14));
    auto *cancel = new QPushButton(QStringLiteral("Mégsem"), &dlg);
    cancel->setObjectName(QStringLiteral("btnMegsem"));
    cancel->setGeometry(u(92), buttonTop, u(50), v(14));
    QObject::connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dlg, &QDialog::reject);

    dlg.setFixedSize(u(180), buttonTop + v(14) + 13);
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dlg.setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, dlg.size(), screen->geometry()));
    edit->setFocus();

    if (dlg.exec() != QDialog::Accepted)
        return false;
    value = edit->text();
    return true;
}
