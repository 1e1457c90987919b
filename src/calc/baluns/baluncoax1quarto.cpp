// The 1:1 coaxial balun of two quarter-wave sections.
#include "baluncoax.h"

#include "shell/app/registry.h"

namespace etero::baluns {

namespace {

class BalunCoax1Quarto : public CoaxBalun {
  public:
    BalunCoax1Quarto() : CoaxBalun("frmbaluncoax1quarto", false) {}
};

ETERO_FORM(BalunCoax1Quarto, "frmbaluncoax1quarto");

} // namespace

} // namespace etero::baluns
