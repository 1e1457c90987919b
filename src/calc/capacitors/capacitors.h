// What the two hand-built capacitor forms share: the group of dielectric
// options with their relative permittivities, and the fixed table of the
// theoretical spark-over voltage in dry air.
#pragma once

#include "shell/form/form.h"

#include <array>
#include <string>

namespace etero::capacitors {

struct Dielectric {
    const char* caption;
    double permittivity; // relative, εr
};

inline constexpr std::array<Dielectric, 10> kDielectrics{{
    {"ARIA", 1},
    {"MICA", 5.4},
    {"CELLULOIDE", 3},
    {"CERAMICA", 5.6},
    {"VETRONITE", 4.6},
    {"BACHELITE", 4.9},
    {"FORMICA", 6},
    {"VETRO", 7},
    {"PIREX", 4.8},
    {"PLEXIGLAS", 2.8},
}};

// Spark-over voltage and the plate spacing that withstands it.
inline constexpr std::array<std::array<const char*, 2>, 5> kSparkOver{{
    {"1800 V", "1,3"},
    {"3000 V", "1,8"},
    {"3500 V", "2"},
    {"4000 V", "2,5"},
    {"5000 V", "3,5"},
}};

class DielectricForm : public Form {
  public:
    using Form::Form;

  protected:
    // The option group "DIELETTRICO"; a click stores the chosen εr and runs
    // the form's own reaction (blanking its result).
    void dielectricOptions() {
        frame("Frame1", "DIELETTRICO").tip("valore della costante dielettrica");
        for (int i = 0; i < static_cast<int>(kDielectrics.size()); ++i)
            option("Option1", i, kDielectrics[static_cast<std::size_t>(i)].caption);
        endFrame();
        onOption("Option1", [this](int i) {
            dielectricChosen();
            er = kDielectrics.at(static_cast<std::size_t>(i)).permittivity;
        });
    }

    // The frame with the spark-over table: two column heads, then one row of
    // two labels per voltage, set out as a ruled grid.
    void sparkOverTable() {
        frame("Frame2", "Tensione di scarica teorica in aria (secca)");
        Drawing& d = drawing(360, 150);
        const double left = 20, mid = 180, right = 340, row = 22;
        const double rows = static_cast<double>(kSparkOver.size()) + 1;
        d.rect(left, 4, right - left, row * rows);
        d.line(mid, 4, mid, 4 + row * rows);
        for (int r = 1; r < static_cast<int>(rows); ++r)
            d.line(left, 4 + row * r, right, 4 + row * r);
        label("lbltitolo(0)", "Tensione di scarica").as(Role::OnDrawing);
        label("lbltitolo(1)", "Spaziatura in mm").as(Role::OnDrawing);
        d.slot("lbltitolo(0)", left + 4, 6, mid - left - 8, row - 4, SlotAlign::Centre);
        d.slot("lbltitolo(1)", mid + 4, 6, right - mid - 8, row - 4, SlotAlign::Centre);
        for (std::size_t i = 0; i < kSparkOver.size(); ++i) {
            const std::string n = std::to_string(i);
            const double y = 6 + row * static_cast<double>(i + 1);
            label("lbltensione(" + n + ")", kSparkOver[i][0]).as(Role::OnDrawing);
            label("lblspaziatura(" + n + ")", kSparkOver[i][1]).as(Role::OnDrawing);
            d.slot("lbltensione(" + n + ")", left + 4, y, mid - left - 8, row - 4,
                   SlotAlign::Centre);
            d.slot("lblspaziatura(" + n + ")", mid + 4, y, right - mid - 8, row - 4,
                   SlotAlign::Centre);
        }
        endFrame();
    }

    virtual void dielectricChosen() = 0;

    double er = 1; // relative permittivity of the chosen dielectric
};

} // namespace etero::capacitors
