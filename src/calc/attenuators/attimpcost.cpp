// The constant-impedance attenuator: a chain of four cells, each with its own
// attenuation, between equal input and output impedances, in T form and in
// pi form side by side.
#include "pads.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>
#include <string>

namespace etero::attenuators {

namespace {

constexpr int kCells = 4;

// The label of resistor r (1 to 3) of cell n (1 to 4) in the T ('t') or pi ('p') chain.
std::string cellLabel(int r, int n, char network) {
    return "lblr" + std::to_string(r) + std::to_string(n) + network;
}

class AttImpCost : public Form {
  public:
    AttImpCost() : Form("frmattimpcost") {}

  protected:
    void design() override {
        window("  ATTENUATORE AD IMPEDENZA COSTANTE            L'ENTRATA E L'USCITA PRESENTANO IL "
               "MEDESIMO VALORE D'IMPEDENZA");
        field("Label1", "IMPEDENZA in Ohm", "txtimpedenza", "inserire il valore richiesto")
            .initial("50");
        for (int n = 1; n <= kCells; ++n) {
            const std::string cell = std::to_string(n);
            field("Label" + std::to_string(n + 1), "dB", "txtdb" + cell,
                  "inserire l'attenuazione richiesta");
            control("Label" + std::to_string(n + 1)).tip("inserire l'attenuazione richiesta");
        }
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("Label6", "RETE a T").as(Role::OnDrawing);
        label("Label7", "RETE a P GRECO").as(Role::OnDrawing);
        for (const char network : {'t', 'p'})
            for (int n = 1; n <= kCells; ++n)
                for (int r = 1; r <= 3; ++r)
                    result(cellLabel(r, n, network), "R" + std::to_string(r)).as(Role::OnDrawing);
        result("lbldb");
        label("Label8", "L'INGRESSO E L'USCITA POSSONO ESSERE INVERTITI").as(Role::Hint);
        label("Label9", "LE PRESTAZIONI DELLE DUE RETI SONO IDENTICHE, TUTTAVIA UNO DEI DUE TIPI "
                        "PUO' RICHIEDERE VALORI DI RESISTENZE CHE PIU' SI AVVICINANO AI VALORI "
                        "COMMERCIALI STANDARD")
            .as(Role::Hint);
        label("Label10", "APPLICANDO COMMUTATORI DOPPI OGNI CELLA PUO'  ESSERE INSERITA O ESCLUSA")
            .as(Role::Hint);
        closeCommand("cmdesci", "").picture = "exit";
        schematic();

        std::vector<std::string> results;
        for (const char network : {'t', 'p'})
            for (int n = 1; n <= kCells; ++n)
                for (int r = 1; r <= 3; ++r)
                    results.push_back(cellLabel(r, n, network));
        results.push_back("lbldb");
        blankOnInputChange(results);
    }

  private:
    // The two chains one above the other, each cell 135 wide.
    void schematic() {
        Drawing& d = drawing(560, 280);
        const double left = 10, right = 550, cell = 135;

        // T chain: series arms R1 and R2 along the top, R3 down to the return wire.
        const double ty = 52, trail = 128;
        d.slot("Label6", left, 6, right - left, kLabelHeight, SlotAlign::Centre);
        ports(d, left, right, ty, trail);
        d.line(left, trail, right, trail);
        for (int n = 1; n <= kCells; ++n) {
            const double x0 = left + (n - 1) * cell;
            seriesArm(d, x0, x0 + 58, ty, cellLabel(1, n, 't'), 62);
            d.line(x0 + 58, ty, x0 + 77, ty);
            seriesArm(d, x0 + 77, x0 + cell, ty, cellLabel(2, n, 't'), 62);
            shuntArm(d, x0 + 67.5, ty, trail, cellLabel(3, n, 't'), 58, 1, (ty + trail) / 2);
        }

        // Pi chain: shunt arms R1 and R2 at the ends of each cell, R3 along the top.
        const double py = 192, prail = 268;
        d.slot("Label7", left, 148, right - left, kLabelHeight, SlotAlign::Centre);
        ports(d, left, right, py, prail);
        d.line(left, prail, right, prail);
        for (int n = 1; n <= kCells; ++n) {
            const double x0 = left + (n - 1) * cell;
            d.line(x0, py, x0 + 32, py);
            seriesArm(d, x0 + 32, x0 + 103, py, cellLabel(3, n, 'p'), 70);
            d.line(x0 + 103, py, x0 + cell, py);
            shuntArm(d, x0 + 16, py, prail, cellLabel(1, n, 'p'), 56, 1, py + 20);
            shuntArm(d, x0 + 119, py, prail, cellLabel(2, n, 'p'), 56, -1, prail - 20);
        }
    }

    void compute() {
        std::array<double, kCells> a{};
        for (int n = 1; n <= kCells; ++n)
            a[n - 1] = num("txtdb" + std::to_string(n));
        const double z = num("txtimpedenza");
        if (z * a[0] * a[1] * a[2] * a[3] <= 0) {
            warn(kMissingData, "messaggio di errore");
            return focus("txtimpedenza");
        }
        for (int n = 1; n <= kCells; ++n) {
            const double k = std::pow(10.0, a[n - 1] / 20);
            // T cell
            const double tSeries = z * (k - 1) / (k + 1);
            caption(cellLabel(1, n, 't'), formatFixed(tSeries, 1));
            caption(cellLabel(2, n, 't'), formatFixed(tSeries, 1));
            thirdArm(cellLabel(3, n, 't'), z * 2 * k / (k * k - 1), n);
            // pi cell
            const double pShunt = z * (k + 1) / (k - 1);
            caption(cellLabel(1, n, 'p'), formatFixed(pShunt, 1));
            caption(cellLabel(2, n, 'p'), formatFixed(pShunt, 1));
            thirdArm(cellLabel(3, n, 'p'), z * (k * k - 1) / (2 * k), n);
        }
        caption("lbldb",
                "L'ATTENUAZIONE TOTALE E' " + formatLocale(a[0] + a[1] + a[2] + a[3]) + " dB");
    }

    // R3 of the last cell is rounded through its text and written plainly, so
    // it drops a zero decimal and the thousands point; the others keep one decimal.
    void thirdArm(const std::string& label, double r3, int n) {
        if (n == kCells)
            caption(label, formatLocale(roundThroughFixed(r3, 1)));
        else
            caption(label, formatFixed(r3, 1));
    }
};

ETERO_FORM(AttImpCost, "frmattimpcost");

} // namespace

} // namespace etero::attenuators
