// What the antenna utilities share: the refusal of an input with a message
// and the focus back in the field, the close command, and the pieces of
// their sketches that the dipole and vertical sketches do not already give
// (the earth seen from afar, a dish, a helix, a metal can).
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero::antennautils {

inline constexpr const char* kNoticeTitle = "MESSAGGIO DI AVVISO";

inline constexpr Rgb kMetal = 0x707070;   // dishes, discs, cans
inline constexpr Rgb kCopper = 0xB87333;  // wires and probes
inline constexpr Rgb kMeasure = 0x1F4E9C; // dimension lines

class UtilityForm : public Form {
  public:
    using Form::Form;

  protected:
    void closeButton() { closeCommand("cmdesci", "E S C I"); }

    // A refused input: the message, then the focus into the field to mend.
    void refuse(const std::string& text, const std::string& title, const std::string& field) {
        warn(text, title);
        focus(field);
    }
};

// ---- sketches (logical pixels) ----

// A dimension line between two points of a horizontal or vertical run, with
// short ticks across its ends, in the colour of the measures.
void measure(Drawing& d, double x1, double y1, double x2, double y2);
// A thin dashed extension line from a measured point to its dimension line.
void extension(Drawing& d, double x1, double y1, double x2, double y2);
// A small note on the drawing, in the colour of the measures.
void note(Drawing& d, double x, double y, const std::string& s, Anchor align = Anchor::CentredOn);
// A thick metal plate or wall from (x1, y1) to (x2, y2).
void plate(Drawing& d, double x1, double y1, double x2, double y2);
// A parabolic dish seen from the side, its vertex at (x, y), opening to the
// right: `depth` deep and `diameter` across.
void dish(Drawing& d, double x, double y, double depth, double diameter);

} // namespace etero::antennautils
