// The 1:1 coaxial balun of a quarter-wave and a three-quarter-wave section.
#include "baluncoax.h"

#include "shell/app/registry.h"

namespace etero::baluns {

namespace {

class BalunCoax3Quarti : public CoaxBalun {
  public:
    BalunCoax3Quarti() : CoaxBalun("frmbaluncoax3quarti", true) {}
};

ETERO_FORM(BalunCoax3Quarti, "frmbaluncoax3quarti");

} // namespace

} // namespace etero::baluns
