// What the two-element network calculators share: the product check that
// starts every computation, the side-by-side series and parallel schematics
// with their headings and result places, the generator circuits of the two
// lossy-LC calculators, and the command that opens the coil designer.
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero::circuits {

// The tooltip of the loss-resistance field of the two generator circuits.
inline constexpr const char* kLossTip = "in funzione della qualità dell'induttore";

enum class Element { Resistor, Capacitor, Inductor };

// Draws one element between two points of a horizontal or vertical wire run.
void drawElement(Drawing& d, Element e, double x, double y, double length, Dir dir);

class NetworkForm : public Form {
  public:
    using Form::Form;

  protected:
    // The start of every computation: a zero product of the required inputs
    // shows the missing-data warning and puts the focus into focusField; a
    // negative product stops silently. True when the computation may go on.
    bool required(double product, const std::string& focusField);

    // The two headings "CONFIGURAZIONE SERIE" and "CONFIGURAZIONE PARALLELO"
    // (labels Label4 and Label5), then the two schematics side by side: a and
    // b in series on the left, in parallel on the right. The result labels
    // named here must already be in the design; they are placed under the
    // schematic they belong to. `below` holds labels that span the whole
    // width under both (the resonance and reactances of the LC network).
    void seriesParallel(Element a, Element b, const std::vector<std::string>& seriesResults,
                        const std::vector<std::string>& parallelResults,
                        const std::vector<std::string>& below = {});

    // The generator, the capacitor and the inductor in parallel or in series,
    // with the label naming the generator (Label named `generatorLabel`) and
    // the labels lblvc and lblvl beside the capacitor and the inductor.
    void generatorCircuit(bool parallel, const std::string& generatorLabel);

    // The coil designer opened beside this window: this window moves to
    // (left, top), the designer opens modeless and moves to 4100, 2800.
    void coilDesignerBeside(int left, int top);
    // The coil designer opened modeless, nothing moved.
    void coilDesigner();
};

} // namespace etero::circuits
