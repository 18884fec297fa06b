#pragma once
// The splash window: the logo over the main window, fully opaque for a second,
// then fading by 10 of 255 every 21 ms; at 33 or less it closes and is destroyed.
// Nothing waits for it.
#include <QTimer>
#include <QWidget>

class Tfrm_Splash : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 400;
    static constexpr int Height = 240;

    explicit Tfrm_Splash(QWidget *over = nullptr);
    int opacity() const { return m_opacity; }
    // The logo with the grey 0x808080 that the window leaves transparent.
    static QPixmap logo();

signals:
    void opacityChanged(int opacity);

protected:
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void fade();

    QPixmap m_logo;
    QTimer m_start;
    QTimer m_fade;
    int m_opacity = 255;
};
