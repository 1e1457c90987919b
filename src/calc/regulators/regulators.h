// What the regulator calculators share: the pieces of their schematics (the
// three-terminal regulator, its capacitors, the protection diodes), the
// refusal they all give, and the two families of forms built on them: the
// 78xx fixed regulators raised by a divider, and the LM317 adjustable
// regulator for one voltage or for a range.
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero::regulators {

inline constexpr const char* kNotCongruous = "DATO NON CONGRUO";

// The pins of a three-terminal regulator drawn as a box.
struct Pins {
    double inX, inY, outX, outY, commonX, commonY;
};

// The regulator's box from (x, y) to (x + 90, y + 60) with its pins: the
// input on the left, the output on the right, the common or adjust pin
// below; `pins` names them (input, common, output), one letter each.
Pins regulatorBox(Drawing& d, double x, double y, const char* in, const char* common,
                  const char* out);

// A capacitor from (x, top) down to (x, bottom) with its value written
// beside the plates, on the right (side 1) or on the left (side -1).
void capacitorDown(Drawing& d, double x, double top, double bottom, const std::string& value,
                   int side = 1);

// A diode on a horizontal or vertical run from (x1, y1) to (x2, y2),
// conducting towards (x2, y2).
void diode(Drawing& d, double x1, double y1, double x2, double y2);

// The input and output notes of every LM317 form.
inline constexpr const char* kLm317Limits =
    "MASSIMA DIFFERENZA DI TENSIONE TRA ENTRATA/USCITA : 40 Volt MINIMA TENSIONE STABILIZZABILE "
    "IN USCITA : 1,25 Volt          MASSIMA CORRENTE PRELEVABILE IN USCITA  : 1,3 Amp          "
    "   MASSIMA POTENZA DISSIPABILE CON RADIATORE : 15 Watt ";
inline constexpr const char* kLm337Note =
    "UTILIZZANDO L' INTEGRATO LM 337,    -  PER  TENSIONI NEGATIVE -  SI DOVRA'  INVERTIRE LA "
    "POLARITA'  DEI DIODI E DEGLI ELETTROLITICI";

// A 78xx regulator whose output is raised by R1 (output to common pin) and
// R2 (common pin to ground). The two forms differ in the note they add and
// in how they size the divider.
class Form78xx : public Form {
  public:
    using Form::Form;

  protected:
    void design78xx(const char* extraNote);

    // R1 as its whole-ohm text and R2 in ohm, for the wanted output Vu.
    struct Divider {
        std::string R1;
        double R2;
    };
    virtual Divider divider(double Vu) const = 0;

    float V0 = 5; // the chosen regulator's own voltage

  private:
    void choose(int index);
    void compute();
    void schematicAsDesigned();
};

// An LM317 with R1 from its output to its adjust pin and R2 (and, for a
// range of voltages, a trimmer in series with it) from there to ground.
class FormLm317 : public Form {
  public:
    using Form::Form;

  protected:
    // The schematic, with the trimmer when `trimmer` is true, and the
    // labels it carries.
    void lm317Schematic(bool trimmer);
    // The result line under the notes: the best and the highest input.
    void showInputs(double optimal, double highest);
    // The schematic's labels as designed, the input line hidden.
    void schematicAsDesigned();
};

} // namespace etero::regulators
