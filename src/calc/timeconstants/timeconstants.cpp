#include "timeconstants.h"

namespace etero::timeconstants {

void seriesCircuit(Drawing& d, bool inductor, const std::string& resistorLabel,
                   const std::string& otherLabel) {
    const double left = 30, right = 230, top = 40, bottom = 140;
    d.terminal(left - 3, top);
    d.terminal(left - 3, bottom);
    d.text(left - 14, top + 4, "+", 9);
    d.text(left - 14, bottom + 4, "-", 9);
    d.line(left, top, 90, top);
    d.resistor(90, top, 70, Dir::Right);
    d.line(160, top, right, top);
    if (inductor)
        d.inductor(right, top, bottom - top, Dir::Down);
    else
        d.capacitor(right, top, bottom - top, Dir::Down);
    d.line(left, bottom, right, bottom);
    d.slot(resistorLabel, 70, top - 30, 110, 18, SlotAlign::Centre);
    d.slot(otherLabel, right + 14, (top + bottom) / 2 - 9, 110, 18);
}

void ThreeWayForm::design() {
    window(title_);
    // The options come first in the tab order: the first one is chosen, and
    // its handler labels the rows, when the window opens.
    frame("Frame1", "dati conosciuti");
    options("Option1", 0, {modes_[0].caption, modes_[1].caption, modes_[2].caption});
    endFrame();
    field("lblinput(0)", "", "txtinput1");
    label("lblumisura(0)").as(Role::Caption);
    field("lblinput(1)", "", "txtinput2");
    label("lblumisura(1)").as(Role::Caption);
    label("lblinput(2)").as(Role::Caption);
    result("lblinput(3)");
    label("lblumisura(2)").as(Role::Caption);
    command("cmdcalcola", "CALCOLA", [this] { compute(); });
    closeCommand("cmdesci", "ESCI");
    label("Label1", note_).as(Role::Hint);
    label("lblr", "R").as(Role::OnDrawing);
    label(other_, letter_).as(Role::OnDrawing);
    seriesCircuit(drawing(360, 180), other_ == "lbll", "lblr", other_);

    onOption("Option1", [this](int i) { choose(i); });
    // No result is blanked when an input changes: the old one stays until the
    // next computation.
}

void ThreeWayForm::choose(int index) {
    const Mode& m = modes_.at(static_cast<std::size_t>(index));
    for (int row = 0; row < 3; ++row) {
        const std::string n = "(" + std::string(1, static_cast<char>('0' + row)) + ")";
        caption("lblinput" + n, m.rows.at(static_cast<std::size_t>(row)));
        caption("lblumisura" + n, m.units.at(static_cast<std::size_t>(row)));
    }
    caption("lblinput(3)", "?");
    caption("lblr", "R");
    caption(other_, letter_);
}

void ThreeWayForm::compute() {
    a_ = num("txtinput1");
    b_ = num("txtinput2");
    if (a_ * b_ == 0) return missingData("txtinput1");
    if (a_ * b_ < 0) return; // a negative value is ignored without a message
    const int option = selected("Option1");
    if (option < 0) return;
    solve(option, a_, b_);
}

} // namespace etero::timeconstants
