// The resistivity of some metals in microhm · cm, a reference list.
#include "wires.h"

#include "shell/app/registry.h"

namespace etero::wires {

namespace {

class Resistivita : public ReferenceList {
  public:
    Resistivita()
        : ReferenceList("frmresistività", "Resistività di alcuni metalli in microhm-cm",
                        "cboresistività", "ACCIAIO = da 10 a 16",
                        {kResistivityList.begin(), kResistivityList.end()}) {}
};

ETERO_FORM(Resistivita, "frmresistività");

} // namespace

} // namespace etero::wires
