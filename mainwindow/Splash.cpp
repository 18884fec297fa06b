#include "mainwindow/Splash.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
const QColor Transparent(0x80, 0x80, 0x80);
}

QPixmap Tfrm_Splash::logo()
{
    QPixmap pm(Width, Height);
    pm.fill(Transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);  // keeps the grey edge exact for the mask
    p.setPen(QColor(20, 60, 110));
    p.setBrush(QColor(232, 241, 250));
    p.drawRoundedRect(QRect(8, 8, Width - 17, Height - 17), 24, 24);

    // Water and a fish.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 130, 190));
    p.drawRect(QRect(30, 150, Width - 60, 6));
    p.setBrush(QColor(30, 90, 150));
    QPainterPath fish;
    fish.moveTo(270, 110);
    fish.cubicTo(300, 80, 350, 85, 365, 110);
    fish.cubicTo(350, 135, 300, 140, 270, 110);
    fish.moveTo(270, 110);
    fish.lineTo(248, 92);
    fish.lineTo(252, 110);
    fish.lineTo(248, 128);
    fish.closeSubpath();
    p.drawPath(fish);
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(348, 105), 4, 4);

    p.setPen(QColor(20, 60, 110));
    QFont title("Arial", 40, QFont::Bold);
    title.setPixelSize(56);
    p.setFont(title);
    p.drawText(QRect(36, 40, 230, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vorn"));
    QFont sub("Arial");
    sub.setPixelSize(17);
    p.setFont(sub);
    p.drawText(QRect(36, 118, 330, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Horgászegyesületi nyilvántartó"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.drawText(QRect(36, 170, 330, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("V5.0.1.158"));
    return pm;
}

Tfrm_Splash::Tfrm_Splash(QWidget *over)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_logo(logo())
{
    setObjectName("frm_Splash");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Width, Height);
    setMask(m_logo.createMaskFromColor(Transparent, Qt::MaskInColor));
    const QRect area = over ? over->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());

    m_start.setSingleShot(true);
    m_start.setInterval(1000);
    m_fade.setInterval(21);
    connect(&m_start, &QTimer::timeout, &m_fade, qOverload<>(&QTimer::start));
    connect(&m_fade, &QTimer::timeout, this, &Tfrm_Splash::fade);
}

void Tfrm_Splash::showEvent(QShowEvent *e)
{
    setWindowOpacity(m_opacity / 255.0);
    QWidget::showEvent(e);
    if (!m_start.isActive() && !m_fade.isActive())
        m_start.start();
}

void Tfrm_Splash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_logo);
}

void Tfrm_Splash::fade()
{
    m_opacity -= 10;
    if (m_opacity <= 33) {
        m_fade.stop();
        close();
        return;
    }
    setWindowOpacity(m_opacity / 255.0);
    emit opacityChanged(m_opacity);
}
