// What the four transmitter-stage couplers share: the tables of typical
// resistance and capacitance seen at a transistor of a given power, the
// network core that turns them into a coil and two capacitors, the pieces of
// their schematics and the command that opens the coil designer.
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero::stages {

// One row of the power-class table of the larger transistors: the band of
// transistor power it covers (W, both ends included), the resistance (Ω) and
// the capacitance (pF) on the input side, the capacitance on the collector
// side.
struct PowerClass {
    double low, high;
    double R, inputC, collectorC;
};

// The first row, from the top (100 W) down, whose band holds P; the bottom
// row begins at `bottom` W. Null for a power outside every band (above the
// top, below the bottom or in a gap between two rows).
const PowerClass* largeTransistor(double P, double bottom);

// One row of the small transistors' table: band (W), resistance (Ω) and
// capacitance (pF).
struct SmallClass {
    double low, high;
    double R, C;
};

// The first row, from the top (3 W) down, whose band holds P; null outside
// every band.
const SmallClass* smallTransistor(double P);

// The series equivalent of a resistance R (Ω) in parallel with a
// capacitance C (pF) at f MHz. A zero capacitance divides by zero.
struct SeriesEquivalent {
    double Rs, Xs;
};
SeriesEquivalent seriesEquivalent(double R, double C, double f);

// The coil (µH) and the two capacitors (pF) with the reactances XL, X1 and
// X2 (Ω) at f MHz.
struct Coupling {
    double L, C1, C2;
};
Coupling coupling(double XL, double X1, double X2, double f);

// An NPN transistor drawn round the centre (x, y), its base lead coming in
// from the left; the ends of its three leads.
struct Leads {
    double baseX, baseY, collectorX, collectorY, emitterX, emitterY;
};
Leads npn(Drawing& d, double x, double y);

// A coaxial socket seen end on at (x, y), its screen grounded below it.
void coaxSocket(Drawing& d, double x, double y);

class StageForm : public Form {
  public:
    using Form::Form;

  protected:
    // The coil, C1 and C2 of the network as labels on the schematic.
    void networkLabels(std::string coil, std::string c1, std::string c2);

    // The collector of the transistor at (x, y) fed from "+ Vcc" at `top`
    // through the radio-frequency choke, named by a fixed text ("JAF"), or
    // by the label `chokeLabel` when one is given.
    void chokeToSupply(Drawing& d, double x, double y, double top,
                       const std::string& chokeLabel = {});

    // The schematic of a network that feeds the base of the transistor
    // named by `transistor`: from the source, which the form draws at the
    // left end of the rail (x = 60, y = kRail), C1 in series, C2 across to
    // ground (at y = kGround), the coil in series to the base; the collector
    // fed through the choke.
    static constexpr double kRail = 100, kGround = 170;
    Drawing& networkToBase(const std::string& transistor);

    // The network written on the schematic: the coil with `coilDecimals`
    // decimals followed by `coilUnit`, the capacitors in pF with two.
    void showCoupling(const Coupling& n, int coilDecimals, const std::string& coilUnit);

    // The coil designer opened modeless at 4100, 2800 twips; this window
    // stays where it is.
    void coilDesigner();
};

} // namespace etero::stages
