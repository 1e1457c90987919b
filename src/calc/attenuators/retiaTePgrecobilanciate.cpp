// The balanced T and pi pads: each series arm split between the two wires.
#include "tpipad.h"

#include "shell/app/registry.h"

namespace etero::attenuators {

namespace {

class RetiATePGrecoBilanciate : public TPiPad {
  public:
    RetiATePGrecoBilanciate() : TPiPad("frmretiaTePgrecobilanciate", true) {}
};

ETERO_FORM(RetiATePGrecoBilanciate, "frmretiaTePgrecobilanciate");

} // namespace

} // namespace etero::attenuators
