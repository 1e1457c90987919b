// What the RF filter designers share: the π and T sections drawn as small
// circuits, and the window of the two single-section designers (high-pass and
// low-pass), which differ only in their captions and in how they compute and
// write the inductance and the capacitance.
#pragma once

#include "shell/form/form.h"

#include <string>

namespace etero::filters {

enum class Element { Capacitor, Inductor };

// One element between two points of a horizontal or vertical wire run.
void drawElement(Drawing& d, Element e, double x, double y, double length, Dir dir);

// A single filter section as a small picture: input terminals on the left,
// output terminals on the right, the common return along the bottom. The π
// section has one series element between two shunt ones, the T section two
// series elements with one shunt element between them. Each element is
// marked with its letter, C or L.
Drawing section(bool pi, Element series, Element shunt);

// The captions in which the high-pass and the low-pass designer differ.
struct SectionTexts {
    const char* window;
    const char* piCaption;        // lblpigreco
    const char* tCaption;         // lblT
    const char* frequencyCaption; // lblfrequenza
    const char* impedanceCaption; // lblimpedenza
    const char* note;             // lblnota
    const char* exitCaption;      // cmdesci; empty for the exit-door picture button
    Element series;               // the series element of the π section
    Element shunt;                // its shunt elements
};

inline constexpr const char* kInductancePrefix = "INDUTTANZA in microHENRY di L : ";
inline constexpr const char* kCapacitancePrefix = "CAPACITA' in picoFARAD di C : ";

// A designer of one constant-k section: the user first clicks the picture of
// the π or of the T section, then gives the cut-off frequency and the
// impedance; CALCOLA shows L in µH and C in pF. Results stay until the next
// computation: input changes do not blank them.
class SectionDesigner : public Form {
  public:
    SectionDesigner(std::string name, const SectionTexts& texts)
        : Form(std::move(name)), texts_(texts) {}

  protected:
    void design() override;
    void load() override;

    // Computes L and C of the chosen section from f and Z and writes
    // lblinduttanza and lblcapacità.
    virtual void results(bool pi) = 0;

    double f = 0, Z = 0; // the inputs of the last computation
    double L = 0;        // µH
    float C = 0;         // pF, as shown: rounded through the text, single precision

  private:
    void choosePi();
    void chooseT();
    void inputsShown();
    void compute();
    void coilDesigner();

    SectionTexts texts_;
};

} // namespace etero::filters
