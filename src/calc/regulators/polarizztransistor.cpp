// The bias resistors of a common-emitter preamplifier stage without an
// emitter bypass capacitor: collector and emitter resistors from the load
// and the gain, the base divider from the transistor's beta, and the
// currents, voltages and input impedance that follow.
#include "regulators.h"

#include "calc/stages/stages.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cstdint>

namespace etero::regulators {

namespace {

class PolarizzTransistor : public Form {
  public:
    PolarizzTransistor() : Form("frmpolarizztransistor") {}

  protected:
    void design() override {
        window("CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE");
        field("Label1", "TENSIONE DI ALIMENTAZIONE Volt", "txtVcc").initial("12");
        field("Label2", "RESISTENZA DI CARICO in Ohm", "txtZC").initial("47000");
        field("Label3", "GUADAGNO PREVISTO", "txtguadagno").initial("10");
        field("Label4", "BETA MEDIO DEL TRANSISTOR", "txtbeta");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        for (const char* name : kResults)
            result(name);
        result("lblstabilita");
        label("Label8", "Vcc").as(Role::OnDrawing);
        label("Label6", "C1").as(Role::OnDrawing);
        label("Label7", "C2").as(Role::OnDrawing);
        schematic();
        label("Label5", "CALCOLO DELLE RESISTENZE DI POLARIZZAZIONE DI UNO STADIO "
                        "PREAMPLIFICATORE CON EMETTITORE COMUNE E SENZA CONDENSATORE IN PARALLELO "
                        "A R4.  Appllicando in parallelo alla resistenza di emettitore un "
                        "condensatore elettrolitico, il guadagno cresce di circa 10 volte.")
            .as(Role::Hint);
        closeCommand("CMDESCI", "E S C I");
    }

  private:
    static constexpr const char* kResults[] = {"lblR1", "lblR2", "lblR3",    "lblR4",
                                               "lblIc", "lblVc", "lblVe",    "lblVb",
                                               "lblIb", "lblIp", "lblVbase", "lblZi"};

    // The base divider R1 and R2, R3 from the supply to the collector, R4
    // from the emitter to ground; C1 couples the input to the base, C2 the
    // collector to the output.
    void schematic() {
        Drawing& d = drawing(440, 300);
        const double supply = 40, ground = 270, base = 160, divider = 150;
        const stages::Leads t = stages::npn(d, 290, base);
        const double collector = 110;
        d.line(divider, supply, 350, supply);
        d.terminal(353, supply);
        d.resistor(divider, supply, base - supply, Dir::Down);
        d.resistor(divider, base, ground - base, Dir::Down);
        d.line(divider, base, t.baseX, t.baseY);
        d.dot(divider, base);
        d.dot(divider, supply);
        d.resistor(t.collectorX, supply, collector - supply, Dir::Down);
        d.line(t.collectorX, collector, t.collectorX, t.collectorY);
        d.dot(t.collectorX, supply);
        d.dot(t.collectorX, collector);
        d.resistor(t.emitterX, t.emitterY, ground - t.emitterY, Dir::Down);
        d.line(divider, ground, t.emitterX, ground);
        d.ground((divider + t.emitterX) / 2, ground);
        d.terminal(27, base);
        d.line(30, base, 60, base);
        d.capacitor(60, base, 70, Dir::Right);
        d.line(130, base, divider, base);
        d.line(t.collectorX, collector, 330, collector);
        d.capacitor(330, collector, 70, Dir::Right);
        d.terminal(403, collector);
        d.text(divider - 12, (supply + base) / 2, "R1", 9, Anchor::EndsAt).bold = true;
        d.text(divider - 12, (base + ground) / 2, "R2", 9, Anchor::EndsAt).bold = true;
        d.text(t.collectorX + 12, (supply + collector) / 2, "R3", 9, Anchor::StartsAt).bold = true;
        d.text(t.emitterX + 12, (t.emitterY + ground) / 2, "R4", 9, Anchor::StartsAt).bold = true;
        d.slot("Label8", 362, supply - 9, 70, 18);
        d.slot("Label6", 45, base - 40, 100, 18, SlotAlign::Centre);
        d.slot("Label7", 315, collector - 40, 100, 18, SlotAlign::Centre);
    }

    void compute() {
        const double Vcc = num("txtVcc"), RL = num("txtZC"), G = num("txtguadagno"),
                     beta = num("txtbeta");
        // A refusal leaves no result of earlier inputs in view.
        for (const char* name : kResults)
            caption(name, "");
        caption("lblstabilita", "");
        caption("Label8", "Vcc");
        caption("Label6", "C1");
        caption("Label7", "C2");
        if (Vcc * RL * G * beta <= 0) return missingData("txtVcc");
        caption("lblstabilita", G > 20 ? "GUADAGNO ECCESSIVO" : "");

        // The resistors are kept as their texts and read back from them.
        const std::string R3 = formatPattern(RL / 5, "####,###");
        const std::int16_t R4 = toInt16(parseLocale(R3) / G);
        const float Ic = static_cast<float>((Vcc / 2) / (parseLocale(R3) + R4));
        const double Vr3 = parseLocale(R3) * Ic;
        const double Ve = Ic * R4;
        const double Vb = Ve + 0.7;
        const float IcMilli = Ic * 1000;
        const double Ib = IcMilli / beta;
        const float Ip = static_cast<float>(10 * Ib);
        const std::string R2 = formatPattern(beta * R4 / 10, "####,###");
        const std::string R1 = formatPattern(Vcc * parseLocale(R2) / (0.65 + Ve), "####,### ");
        const double Vmax = Vcc * 0.8 / G;
        const std::string Zin = formatPattern(0.7 * parseLocale(R2), "###,###");

        caption("lblR1", "IL VALORE DI R1 E' " + R1 + " OHM");
        caption("lblR2", "IL VALORE DI R2 E' " + R2 + " OHM");
        caption("lblR3", "IL VALORE DI R3 E' " + R3 + " OHM");
        caption("lblR4", "IL VALORE DI R4 E' " + formatLocale(R4) + " OHM");
        caption("Label8", formatLocale(Vcc) + " V");
        caption("lblIc", "Corrente di collettore " + formatPattern(Ic * 1000, "#0.###") + " mA");
        caption("lblVc", "Tensione collettore " + formatPattern(Vr3, "#0.##") + " Volt");
        caption("lblVe", "Tensione emettitore " + formatPattern(Ve, "#0.##") + " Volt");
        caption("lblVb", "Tensione di base " + formatPattern(Vb, "#0.##") + " Volt");
        caption("lblIb", "Corrente di base " + formatPattern(Ib, "#0.####") + " mA");
        caption("lblIp", "Corrente di polarizzazione " + formatPattern(Ip, "#0.##") + " mA");
        caption("lblVbase", "max segnale applicabile " + formatPattern(Vmax, "#0.##") + " Volt");
        caption("lblZi", "Impedenza di ingresso " + Zin + " Ohm");
        caption("Label6", "1 uF");
        caption("Label7", "1 uF");
    }
};

ETERO_FORM(PolarizzTransistor, "frmpolarizztransistor");

} // namespace

} // namespace etero::regulators
