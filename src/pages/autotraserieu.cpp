// How a standard mains autotransformer feeds the heaters of small, cheap
// receivers: the series chains of 100 mA valves from its taps, and the
// 6,3 V winding for valves and the dial lamp in parallel.
#include "pages.h"
#include "shell/app/registry.h"

#include <array>
#include <string>
#include <vector>

namespace etero::pages {

namespace {

struct Chain {
    const char* name; // the series' name over the chain, or none
    double y;
    std::vector<const char*> valves;
};

class AutotrasSerieU : public Page {
  public:
    AutotrasSerieU() : Page("frmautotraserieu") {}

  protected:
    void design() override {
        window("SCHEMA DI UTILIZZAZIONE AUTOTRASFORMATORE ");
        Drawing& d = drawing(1160, 480);
        on(d, next(),
           "SCHEMA DI UTILIZZO AUTOTRASFORMATORE STANDARD IN ABBINAMENTO CON PICCOLI RICEVITORI "
           "ECONOMICI",
           8, 4, 1144, 30, SlotAlign::Centre)
            .font(12, true);
        autotransformer(d);
        heaters(d);
        closeCommand("cmdesci", "C H I U D I");
    }

  private:
    int n_ = 1;
    std::string next() { return "Label" + std::to_string(n_++); }

    static constexpr double kCore = 430, kWinding = 460, kBottom = 440, kReturn = 1120;

    // A valve's heater: a box with the valve's name on it.
    void valve(Drawing& d, double x, double y, const char* name) {
        filled(d.rect(x, y - 11, 70, 22), 0xF4EBD0, kBlack);
        on(d, next(), name, x + 1, y - 10, 68, 20, SlotAlign::Centre);
    }

    // The autotransformer on the right of the core: mains across its whole
    // winding, taps down to the chassis, each tap feeding its chains.
    void autotransformer(Drawing& d) {
        d.line(kCore, 70, kCore, 450).penWidth = 2.5;
        d.line(kCore + 6, 70, kCore + 6, 450).penWidth = 2.5;
        const std::array<std::pair<const char*, double>, 5> taps{{{"220 V", 80},
                                                                  {"160V  100 mA", 140},
                                                                  {"125V  100 mA", 210},
                                                                  {"115V  100 mA", 300},
                                                                  {"70 V", 370}}};
        double from = taps[0].second;
        for (const auto& [caption, y] : taps) {
            if (y > from)
                winding(d, kWinding, from, y - from, static_cast<int>((y - from) / 20), false);
            from = y;
            d.dot(kWinding, y);
            on(d, next(), caption, kWinding + 8, y - 22, 130, 18);
        }
        winding(d, kWinding, from, kBottom - from, 3, false);
        // Mains in at the top, the 160 V tap brought out to a terminal.
        for (double y : {80.0, 140.0}) {
            d.line(kWinding, y, 560, y);
            d.terminal(563, y);
        }
        // The chassis: the bottom of the winding, and the return of every chain.
        d.line(kWinding, kBottom, kReturn, kBottom);
        d.line(kReturn, 190, kReturn, kBottom);
        d.line(500, kBottom, 500, kBottom + 10);
        for (int i = 0; i < 4; ++i)
            d.line(488 + 8 * i, kBottom + 18, 494 + 8 * i, kBottom + 10).penWidth = 1;
        d.line(486, kBottom + 10, 514, kBottom + 10).penWidth = 2;
        on(d, next(), "TELAIO", 520, kBottom + 6, 80, 18);

        const std::array<Chain, 4> chains{{
            {"SERIE U 80", 190, {"UY85", "UBC81", "UL84", "UCH81", "UF89"}},
            {nullptr, 240, {"50B5", "35X4", "12AJ8", "12BA6", "12AT6"}},
            {"SERIE U 40", 300, {"UCH42", "UAF42", "UY41", "UL41", "UAF42"}},
            {nullptr, 370, {"35FD5", "35FD5"}},
        }};
        // The 125 V tap feeds the first two chains through a short bus.
        d.line(kWinding, 210, 600, 210);
        d.line(600, 190, 600, 240);
        d.dot(600, 210);
        for (double y : {300.0, 370.0})
            d.line(kWinding, y, 600, y);
        for (const Chain& c : chains) {
            if (c.name) on(d, next(), c.name, 640, c.y - 34, 200, 18);
            double x = 640;
            d.line(600, c.y, x, c.y);
            for (const char* v : c.valves) {
                valve(d, x, c.y, v);
                d.line(x + 70, c.y, x + 92, c.y);
                x += 92;
            }
            d.line(x, c.y, kReturn, c.y);
            d.dot(kReturn, c.y);
        }
    }

    // The 6,3 V winding on the other side of the core, its valves and the
    // dial lamp in parallel across it.
    void heaters(Drawing& d) {
        const double x = kCore - 26, top = 190, bottom = 330, left = 40, right = 360;
        winding(d, x, top, bottom - top, 6, true);
        on(d, next(), "6,3 V   1A", 280, top - 30, 120, 18, SlotAlign::Right);
        d.line(x, top, right, top);
        d.line(right, top, right, bottom);
        d.line(x, bottom, x, bottom + 20);
        d.line(x, bottom + 20, left, bottom + 20);
        d.line(left, 210, left, bottom + 20);
        const std::array<std::pair<const char*, double>, 3> valves{
            {{"6BE6", 210}, {"6BA6", 250}, {"6AT6", 290}}};
        for (const auto& [name, y] : valves) {
            d.line(left, y, 170, y);
            valve(d, 170, y, name);
            d.line(240, y, right, y);
            d.dot(left, y);
            d.dot(right, y);
        }
        // The dial lamp: a bulb with its filament crossed.
        const double ly = bottom;
        d.line(left, ly, 193, ly);
        d.ellipse(193, ly - 12, 24, 24);
        d.line(197, ly - 8, 213, ly + 8).penWidth = 1;
        d.line(197, ly + 8, 213, ly - 8).penWidth = 1;
        d.line(217, ly, right, ly);
        d.dot(left, ly);
        on(d, next(), "LAMP", 222, ly - 22, 60, 18);
    }
};

ETERO_FORM(AutotrasSerieU, "frmautotraserieu");

} // namespace

} // namespace etero::pages
