// What the dipole and multiband wire-antenna calculators share: the micro
// sign, the check that the two bands of a trapped antenna are far enough
// apart, the commands that open the warning page and the coil designer, and
// the pieces their antenna sketches are drawn from (wires between end
// insulators, the centre feed, traps, dimension lines).
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero::dipoles {

inline constexpr const char* kNoticeTitle = "MESSAGGIO DI AVVISO";

inline constexpr Rgb kWire = 0x8C4A12;      // the radiating wire
inline constexpr Rgb kFeeder = 0x303030;    // the feed line
inline constexpr Rgb kMeasure = 0x1F4E9C;   // dimension lines
inline constexpr Rgb kInsulator = 0xE8E0C8; // ceramic insulators

// The two trapped two-band antennas load at this size and grow to show
// their note after the first result.
inline constexpr int kTrappedWidth = 9600;
inline constexpr int kTrappedHeight = 7050;
inline constexpr int kTrappedGrownHeight = 7700;

class DipoleForm : public Form {
  public:
    using Form::Form;

  protected:
    // "AVVISO": the page on how far to trust the results, modal.
    void warningCommand() {
        command("cmdavviso", "AVVISO", [this] { openForm("frmavvertenza", Mode::Modal); });
    }

    // This window to the top left corner and the coil designer beside it,
    // modeless, so that the trap inductance can be wound with both in view.
    void coilDesignerBeside() { openBeside("frmbobine", 180, 180, 4100, 2800); }

    // The higher band must lie at least a fifth above the lower one (which
    // also catches the two frequencies typed the wrong way round). True,
    // after the message and with the focus in `focusField`, when it does not.
    bool bandsTooClose(double F1, double F2, const std::string& focusField) {
        if (!(F1 < F2 + F2 / 5)) return false;
        warn("FREQUENZE TROPPO VICINE O ERRATE", kErrorTitle);
        focus(focusField);
        return true;
    }
};

// ---- antenna sketches ----

// A horizontal wire from x1 to x2 at height y.
void wire(Drawing& d, double x1, double x2, double y);
// A small egg insulator centred on (x, y), with the rope to a support when
// `rope` is not zero (negative: to the left).
void insulator(Drawing& d, double x, double y, double rope = 0);
// The centre of a dipole at (x, y): an insulator between the two arms and a
// two-wire feeder of the given length hanging below it.
void centreFeed(Drawing& d, double x, double y, double drop);
// A trap on a horizontal wire, centred on x: a coil with its capacitor across.
void trap(Drawing& d, double x, double y);
// A dimension line from x1 to x2 at height y with its two end ticks reaching
// up to `tickTo`, and the slot of the label that gives its length above it.
void dimension(Drawing& d, double x1, double x2, double y, double tickTo,
               const std::string& label = {}, double labelWidth = 0);
// The same, vertical, from y1 to y2 at x, the label at its right.
void verticalDimension(Drawing& d, double x, double y1, double y2, const std::string& label = {},
                       double labelWidth = 0);
// A half-wave dipole with its two end insulators and centre feed, the arms
// from x1 to x2 at height y.
void dipole(Drawing& d, double x1, double x2, double y, double drop);

// A two-band dipole with a trap in each arm: the section A from the centre to
// the trap and the whole arm B marked on the right-hand arm.
void trappedDipole(Drawing& d);

} // namespace etero::dipoles
