// What the LC matching-network designers share: the wiring of their
// schematics, the command that opens a companion beside them, and the whole
// of the two tapped step-down designers, which differ only in which element
// is divided by the tap.
#pragma once

#include "shell/form/form.h"

#include <functional>
#include <optional>
#include <string>

namespace etero::matching {

enum class Part { Capacitor, Inductor };

// One element between two points of a horizontal or vertical wire run.
void drawPart(Drawing& d, Part p, double x, double y, double length, Dir dir);

class MatchingForm : public Form {
  public:
    using Form::Form;

  protected:
    // This window moves to the top left corner (180, 180 twips), then the
    // companion opens modeless beside it.
    void openFromCorner(const std::string& companion);

    // The pi network's four inputs, which piReactances() reads: the input
    // and output impedances (txtinput, txtout), the loaded Q (txtq, named by
    // `qCaption`) and the frequency (txtfrequenza); then the CALCOLA command.
    void piInputs(const char* qCaption, std::function<void()> compute);

    // The low-pass pi network between its input and output terminals, with
    // its five labels on it: lblzin, lblc1, lbll, lblc2 and lblzout, named
    // "INPUT", "C1", "INDUTTANZA", "C2" and "OUTPUT" until a result.
    void piSchematic();

    // The pi network's reactances in ohms: the shunt capacitor at the input,
    // the one at the output and the series inductor.
    struct PiReactances {
        double X1 = 0, X2 = 0, XL = 0;
    };
    // Checks the pi network's inputs (impedances in ohms, loaded Q, MHz) and
    // computes its reactances. On a refusal it says why, puts the focus in
    // the field to correct (txtinput or txtq) and returns nothing; at exactly
    // the lowest Q it returns nothing and says nothing.
    std::optional<PiReactances> piReactances(double Zin, double Zout, double Q, double f);
    // The inductance `L` (µH, as shown; in nH below 1 µH) in lblbobina and
    // on the schematic.
    void showPiInductance(const std::string& L);
    // Shows Frame1 with the two capacitors (pF, as shown) and writes them
    // and the two impedances on the schematic.
    void showPiCapacitors(const std::string& C1, const std::string& C2, double Zin, double Zout);
};

// A tapped step-down circuit: one element across the input (`single`), the
// other divided by a tap into an upper and a lower part; the output is taken
// across the lower part. Both designers read the same inputs, make the same
// checks and compute the same tuned circuit; each then divides it its way.
class TappedForm : public MatchingForm {
  public:
    using MatchingForm::MatchingForm;

  protected:
    struct Layout {
        const char* window;
        const char* qCaption;
        const char* note;
        Part single, divided;
        // The labels of the divided element's upper and lower parts and of
        // the single element.
        const char* upper;
        const char* lower;
        const char* singleLabel;
    };
    void designTapped(const Layout& layout);

    // Divides the tuned circuit and writes the captions.
    virtual void divide() = 0;

    // The square root of (Q² + 1) / N² − 1, used when the circuit's Q seen
    // at the tap falls below 10.
    double tapQ() const;
    void showImpedances();

    double Zin = 0, Zout = 0, f = 0, Q = 0;
    double B = 0; // bandwidth, MHz
    double C = 0; // the tuned circuit's capacitance, µF
    double L = 0; // and its inductance, µH
    double N = 0; // turns ratio, the square root of the impedance ratio
    double Qr = 0;

  private:
    void compute();
    Layout layout_{};
};

} // namespace etero::matching
