// A 78xx fixed regulator made to give more than its own voltage: R1 takes
// 25 mA from the output to the common pin, R2 carries it on to ground.
#include "regulators.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::regulators {

namespace {

class Regulator78xx : public Form78xx {
  public:
    Regulator78xx() : Form78xx("frm78xx") {}

  protected:
    void design() override { design78xx(nullptr); }

    Divider divider(double Vu) const override {
        return {formatFixed(V0 / 0.025, 0), roundThroughFixed((Vu - V0) / 0.025, 0)};
    }
};

ETERO_FORM(Regulator78xx, "frm78xx");

} // namespace

} // namespace etero::regulators
