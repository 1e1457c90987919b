// The T and pi pads between two impedances.
#include "tpipad.h"

#include "shell/app/registry.h"

namespace etero::attenuators {

namespace {

class RetiATePGreco : public TPiPad {
  public:
    RetiATePGreco() : TPiPad("frmretiaTePgreco", false) {}
};

ETERO_FORM(RetiATePGreco, "frmretiaTePgreco");

} // namespace

} // namespace etero::attenuators
