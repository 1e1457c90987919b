// The minimum-loss L pad.
#include "lpad.h"

#include "shell/app/registry.h"

namespace etero::attenuators {

namespace {

class RetiAdL : public LPad {
  public:
    RetiAdL() : LPad("frmretiadL", false) {}
};

ETERO_FORM(RetiAdL, "frmretiadL");

} // namespace

} // namespace etero::attenuators
