// The constant-k notch for audio frequencies: the edges of the band to stop
// in Hz, the inductances in µH and mH, the capacitances in µF and pF.
#include "bandfilters.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::bandfilters {

namespace {

constexpr NotchTexts kTexts{
    "FILTRO NOTCH PASSIVO PER BASSA FREQUENZA            TIPICAMENTE PER FREQUENZE AUDIO",
    "IMPEDENZA FILTRO IN OHMS",
    "FREQUENZA MINORE IN HERTZ",
    "FREQUENZA MAGGIORE IN HERTZ",
    "lblpl2",
    "lblpc2",
    false,
};

class NotchBF : public NotchDesigner {
  public:
    NotchBF() : NotchDesigner("frmnotchbf", kTexts) {}

  protected:
    double frequency(double typed) const override { return typed; }

    void results(double D) override {
        L1 = D * R / (3.14 * f1 * f2) * 1000000;         // µH
        L2 = R / (12.56 * D) * 1000;                     // mH
        C1 = 1000000 / (12.56 * D * R);                  // µF
        C2 = D * 1000000000000.0 / (3.14 * f1 * f2 * R); // pF
        caption("lbltl1", formatFixed(L1 / 2, 2) + kMicroHenry + "  x 2");
        caption("lbltl2", formatFixed(L2, 2) + " mH");
        caption("lbltc1(0)", formatFixed(2 * C1, 2) + " " + kMicro + "F");
        caption("lbltc1(1)", caption("lbltc1(0)"));
        caption("lbltc2", formatFixed(C2, 2) + " pF");
        caption("lblpl1", formatFixed(L1, 1) + kMicroHenry);
        caption("lblpl2", formatFixed(2 * L2, 2) + " mH x 2");
        caption("lblpc1", formatFixed(C1, 2) + " " + kMicro + "F");
        caption("lblpc2", formatFixed(C2 / 2, 1) + " pF x 2");
    }
};

ETERO_FORM(NotchBF, "frmnotchbf");

} // namespace

} // namespace etero::bandfilters
