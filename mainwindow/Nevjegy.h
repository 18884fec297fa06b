#pragma once
// The about window (command aNevjegy) and the maker's addresses that the help
// commands open.
#include <QDialog>

namespace Kelvar {
inline constexpr const char *Email = "info@kelvar.example";
inline constexpr const char *Honlap = "https://www.kelvar.example/";
// aLevel: a new e-mail to the maker with the fixed subject.
inline constexpr const char *Level = "mailto:info@kelvar.example?subject=Vorn%20program";
} // namespace Kelvar

// Logo, product and version on light green, subtitle and the maker's contact
// block; fixed border, centred on the screen, "OK" closes it.
class Tfrm_Nevjegy : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Nevjegy(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *e) override;
};
