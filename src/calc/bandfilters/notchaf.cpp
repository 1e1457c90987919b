// The constant-k notch for intermediate frequencies: the edges of the band
// to stop typed in kHz, the sections computed in MHz, µH and pF.
#include "bandfilters.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::bandfilters {

namespace {

constexpr NotchTexts kTexts{
    "FILTRO NOTCH PASSIVO PER MEDIA FREQUENZA",
    "IMPEDENZA FILTRO IN OHM",
    "FREQUENZA MINORE in KiloHertz",
    "FREQUENZA MAGGIORE in KiloHertz",
    "lblpl2(0)",
    "lblpc2(0)",
    true,
};

class NotchAF : public NotchDesigner {
  public:
    NotchAF() : NotchDesigner("frmnotchaf", kTexts) {}

  protected:
    double frequency(double typed) const override { return typed / 1000; }

    void results(double D) override {
        L1 = D * R / (3.14 * f1 * f2);
        L2 = R / (12.56 * D);
        C1 = 1000000 / (12.56 * D * R);
        C2 = D * 1000000 / (3.14 * f1 * f2 * R);
        caption("lbltl1", formatFixed(L1 / 2, 2) + kMicroHenry + " x 2");
        caption("lbltl2", formatFixed(L2, 1) + kMicroHenry);
        caption("lbltc1(0)", formatFixed(2 * C1, 2) + " pF");
        caption("lbltc1(1)", caption("lbltc1(0)"));
        caption("lbltc2", formatFixed(C2, 2) + " pF");
        caption("lblpl1", formatFixed(L1, 2) + kMicroHenry);
        caption("lblpl2(0)", formatFixed(2 * L2, 2) + kMicroHenry + " x 2");
        caption("lblpc1", formatFixed(C1, 2) + " pF");
        caption("lblpc2(0)", formatFixed(C2 / 2, 2) + " pF x 2");
    }
};

ETERO_FORM(NotchAF, "frmnotchaf");

} // namespace

} // namespace etero::bandfilters
