// The standard lead colours of transformers: power transformers (two kinds
// of primary, five kinds of secondary), intermediate-frequency transformers,
// and interstage and output transformers. Each lead is drawn in its colours.
#include "pages.h"
#include "shell/app/registry.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace etero::pages {

namespace {

// A lead's colours, read from its caption: the first colour named, and the
// second of a striped lead ("NERO e GIALLO").
std::pair<Rgb, std::optional<Rgb>> leadColours(const std::string& caption) {
    static const std::array<std::pair<const char*, Rgb>, 7> colours{{{"NERO", 0x000000},
                                                                     {"ROSSO", 0xD0021B},
                                                                     {"GIALLO", 0xE6B800},
                                                                     {"BLU", 0x1F5FD1},
                                                                     {"VERDE", 0x1E9E3A},
                                                                     {"MARRONE", 0x7B4A1E},
                                                                     {"GRIGIO", 0x8C8C8C}}};
    auto named = [&](std::size_t at) -> std::optional<Rgb> {
        for (const auto& [name, rgb] : colours)
            if (caption.compare(at, std::string(name).size(), name) == 0) return rgb;
        return std::nullopt;
    };
    const Rgb first = named(0).value_or(kBlack);
    std::optional<Rgb> second;
    const auto stripe = caption.find(" e ");
    if (stripe != std::string::npos) second = named(stripe + 3);
    return {first, second};
}

class CodexTrasfUSA : public Page {
  public:
    CodexTrasfUSA() : Page("frmcodextrasfusa") {}

  protected:
    void design() override {
        window(
            "CODIFICAZIONE STANDARD TRASFORMATORI U.S.A.                COLOR CODE STANDARD RMA");
        Drawing& d = drawing(1200, 580);
        power(d);
        d.line(652, 8, 652, 572).pen = 0xB0B8C0;
        intermediate(d);
        output(d);
        closeCommand("cmdesci", "E S C I");
    }

  private:
    int n_ = 1;
    std::string next() { return "Label" + std::to_string(n_++); }

    // A lead from the winding at (from, y) to a terminal at (to, y), named
    // by a label beside the terminal on the side away from the winding.
    void lead(Drawing& d, double from, double to, double y, const std::string& caption,
              double labelWidth, double labelHeight) {
        const auto [colour, stripe] = leadColours(caption);
        Shape& wire = d.line(from, y, to, y);
        wire.pen = colour;
        wire.penWidth = 3;
        if (stripe) {
            Shape& band = d.line(from, y, to, y);
            band.pen = *stripe;
            band.penWidth = 3;
            band.dashed = true;
        }
        d.terminal(to, y);
        const double top = y - labelHeight / 2;
        if (to < from)
            on(d, next(), caption, to - 8 - labelWidth, top, labelWidth, labelHeight,
               SlotAlign::Right);
        else
            on(d, next(), caption, to + 8, top, labelWidth, labelHeight);
    }

    // A winding of `turns` from `top` down `length` at x, with its leads
    // (top, bottom, and centre tap when three are given) running to `to`.
    void coil(Drawing& d, double x, double top, double length, int turns, double to,
              const std::vector<std::string>& leads, double labelWidth, double labelHeight = 20) {
        winding(d, x, top, length, turns, to < x ? false : true);
        for (std::size_t i = 0; i < leads.size(); ++i) {
            const double y =
                top + length * static_cast<double>(i) / static_cast<double>(leads.size() - 1);
            lead(d, x, to, y, leads[i], labelWidth, labelHeight);
        }
    }

    void core(Drawing& d, double x, double top, double bottom) {
        d.line(x, top, x, bottom).penWidth = 2.5;
        d.line(x + 8, top, x + 8, bottom).penWidth = 2.5;
    }

    // Power transformers: the primaries on the left of the core, the
    // secondaries on its right, each with its name over it.
    void power(Drawing& d) {
        on(d, next(), "CODICE COLORI DEI CONDUTTORI NEI TRASFORMATORI DI ALIMENTAZIONE", 8, 4, 636,
           24, SlotAlign::Centre)
            .font(0, true);
        core(d, 316, 76, 570);
        on(d, next(), "PRIMARIO CON PRESA CENTRALE 115 + 115 Volt", 8, 36, 330, 36);
        coil(d, 300, 90, 120, 8, 140, {"NERO", "NERO e GIALLO", "NERO e ROSSO"}, 124);
        on(d, next(), "PRIMARIO SENZA PRESA CENTRALE", 8, 300, 300, 20);
        coil(d, 300, 350, 100, 6, 140, {"NERO", "NERO"}, 124);
        const std::array<std::pair<const char*, std::array<const char*, 3>>, 5> secondaries{{
            {"SECONDARIO ALTA TENSIONE", {"ROSSO", "ROSSO e GIALLO", "ROSSO"}},
            {"SECONDARIO FILAMENTI", {"GIALLO", "GIALLO e BLU", "GIALLO"}},
            {"SECONDARIO BASSA TENSIONE", {"VERDE", "GIALLO e VERDE", "VERDE"}},
            {"SECONDARIO BASSA TENSIONE", {"MARRONE", "GIALLO e MARRONE", "MARRONE"}},
            {"SECONDARIO BASSA TENSIONE", {"GRIGIO", "GIALLO e GRIGIO", "GRIGIO"}},
        }};
        for (std::size_t i = 0; i < secondaries.size(); ++i) {
            const double top = 76 + 104 * static_cast<double>(i);
            on(d, next(), secondaries[i].first, 344, top - 30, 296, 20);
            const auto& l = secondaries[i].second;
            coil(d, 344, top, 60, 4, 480, {l[0], l[1], l[2]}, 152);
        }
    }

    // Intermediate-frequency transformers: both windings in their can.
    void intermediate(Drawing& d) {
        on(d, next(), "CODICE COLORI TRASFORMATORI DI MEDIA FREQUENZA", 664, 4, 532, 24,
           SlotAlign::Centre)
            .font(0, true);
        Shape& can = d.rect(926, 44, 84, 172);
        can.dashed = true;
        can.pen = 0x7A8696;
        const double top = 70, length = 120;
        winding(d, 950, top, length, 8, false);
        lead(d, 950, 906, top, "BLU", 60, 20);
        on(d, next(), "ALLA PLACCA", 698, top + 12, 200, 20, SlotAlign::Right);
        lead(d, 950, 906, top + length, "ROSSO", 60, 20);
        coil(d, 986, top, length, 8, 1026,
             {"VERDE  ALLA GRIGLIA O DIODO", "VERDE e NERO RETT. ONDA INTERA",
              "NERO  ALLA GRIGLIA O DIODO"},
             166, 40);
    }

    // Interstage and output transformers.
    void output(Drawing& d) {
        on(d, next(), "CODICE COLORI DEI CONDUTTORI NEI TRASFORMATORI INTERSTADIO O USCITA", 664,
           250, 532, 44, SlotAlign::Centre)
            .font(0, true);
        const double top = 340, length = 160;
        core(d, 962, top - 20, top + length + 20);
        coil(d, 950, top, length, 10, 906,
             {"BLU ALLA PLACCA", "ROSSO", "BLU o MARRONE ALLA PLACCA (nota)"}, 236);
        coil(d, 982, top, length, 10, 1026,
             {"ROSSO ALLA GRIGLIA", "NERO  -  RITORNO", "VERDE o GIALLO (nota)"}, 166);
        on(d, next(), "nota :USATO IN CIRCUITO  PUSH-PULL", 664, 540, 532, 20);
    }
};

ETERO_FORM(CodexTrasfUSA, "frmcodextrasfusa");

} // namespace

} // namespace etero::pages
