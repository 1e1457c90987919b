// The specific weight of some materials in kg/dm³, a reference list.
#include "wires.h"

#include "shell/app/registry.h"

namespace etero::wires {

namespace {

class Peso : public ReferenceList {
  public:
    Peso()
        : ReferenceList("frmpeso", "Peso specifico in Kg./dm3", "cbopeso", "ALLUMINIO = 2.70",
                        {kSpecificWeightList.begin(), kSpecificWeightList.end()}) {}
};

ETERO_FORM(Peso, "frmpeso");

} // namespace

} // namespace etero::wires
