// The balanced minimum-loss L pad: the series arm split between the two wires.
#include "lpad.h"

#include "shell/app/registry.h"

namespace etero::attenuators {

namespace {

class RetiAdLBilanciata : public LPad {
  public:
    RetiAdLBilanciata() : LPad("frmretiadLbilanciata", true) {}
};

ETERO_FORM(RetiAdLBilanciata, "frmretiadLbilanciata");

} // namespace

} // namespace etero::attenuators
