// What the magnetic-loop and EH-antenna calculators share: the window
// printed without its commands, the complaint about missing data of the two
// EH forms, and the sketch of the two cylinders of an EH antenna with their
// dimension labels.
#pragma once

#include "shell/form/form.h"

#include <string>
#include <vector>

namespace etero::loops {

inline constexpr const char* kClose = "C H I U D I";
inline constexpr const char* kAttention = "  ATTENZIONE";

inline constexpr Rgb kCopper = 0xB87333;
inline constexpr Rgb kCable = 0x303090;
inline constexpr Rgb kMeasure = 0x1F4E9C;

class LoopsForm : public Form {
  public:
    using Form::Form;

  protected:
    // The window is printed as it stands but without its command buttons:
    // they are hidden while the image is taken and shown again afterwards.
    void printWithoutCommands() {
        std::vector<std::string> commands;
        for (const Control& c : controls())
            if (c.kind == Kind::Command && c.visible) commands.push_back(c.name);
        showAll(commands, false);
        print();
        showAll(commands);
    }

    // The EH forms refuse a computation with this message, the focus then
    // back in the frequency.
    void missingEHData() {
        warn(kMissingData, kAttention);
        focus("txtfrequenza");
    }
};

// Where the two leads of the cylinders leave the sketch to the right.
struct Leads {
    double x;     // the end of both leads
    double upper; // y of the lead from the upper cylinder
    double lower; // y of the lead from the lower cylinder
};

// Two cylinders of an EH antenna on one vertical axis, their diameter apart:
// the upper one `length` long from `top`, centred on x and `width` wide,
// the lower one below the gap. Their lengths (`lbll`, `lbll2`) and the gap
// (`lbldd`) are measured on one dimension line on the left, the diameter
// (`lbld`) above the upper one. A lead leaves the inner end of each cylinder
// and runs right to `leadsTo`, where the feed network joins them.
Leads cylinders(Drawing& d, double x, double top, double width, double length, double gap,
                double leadsTo);

} // namespace etero::loops
