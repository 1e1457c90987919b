// The dropping resistor of a Zener regulator: it carries the load current
// and the Zener's own standing current (by the diode's wattage), and drops
// the difference between the supply and the Zener voltage. The results stay
// in view when an input changes, but never after a refusal or a fault.
#include "resistors.h"

#include "shell/app/registry.h"
#include "shell/form/form.h"
#include "shell/number/number.h"

#include <array>
#include <cstdint>
#include <string>

namespace etero::resistors {

namespace {

struct Zener {
    const char* caption;
    std::int16_t milliamps; // standing current
};

constexpr std::array<Zener, 3> kZeners{{
    {"Zener da 1/2 watt", 20},
    {"Zener da 1 watt", 30},
    {"Zener da 2 watt", 40},
}};

class ResZener : public Form {
  public:
    ResZener() : Form("frmreszener") {}

  protected:
    void design() override {
        window("CALCOLO DELLA RESISTENZA DI CADUTA");
        frame("Frame1", "Zener utilizzato").tip("selezionare la potenza del diodo zener");
        for (std::size_t i = 0; i < kZeners.size(); ++i)
            option("Option1", static_cast<int>(i), kZeners[i].caption);
        endFrame();
        field("Label1", "Tensione di alimentazione", "txtvcc", "input tensione non stabilizzata");
        field("Label2", "Tensione diodo zener", "txtvz", "Tens. stabilizzata");
        field("Label3", "Assorbimento in milliAmpere", "txtma", "corrente assorbita dal circuito");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        label("Label4", "+ Vcc").as(Role::OnDrawing);
        label("Label5", "Vz").as(Role::OnDrawing);
        result("lblvcc").as(Role::OnDrawing);
        result("lblohm").as(Role::OnDrawing);
        result("lblvz").as(Role::OnDrawing);
        schematic();
        result("lblohmlunga");
        result("lblwatt");
        closeCommand("cmdesci", "E S C I");

        onOption("Option1",
                 [this](int i) { Iz = kZeners.at(static_cast<std::size_t>(i)).milliamps; });
    }

  private:
    void schematic() {
        using C = DroppingCircuit;
        Drawing& d = drawing(C::width, C::height);
        droppingCircuit(d, Diode::Zener);
        d.slot("Label4", C::left - 20, C::top - 40, 50, 16, SlotAlign::Left);
        d.slot("lblvcc", C::left - 20, C::top - 23, 100, 16, SlotAlign::Left);
        d.slot("lblohm", C::resistorFrom, C::top - 34, C::resistorTo - C::resistorFrom, 16,
               SlotAlign::Centre);
        d.slot("Label5", C::right - 40, C::top - 40, 60, 16, SlotAlign::Right);
        d.slot("lblvz", C::right - 80, C::top - 23, 100, 16, SlotAlign::Right);
    }

    void compute() {
        // A refusal or a fault leaves no result of earlier values in view.
        blank({"lblvcc", "lblohm", "lblvz", "lblohmlunga", "lblwatt"});
        Vcc = num("txtvcc");
        Vz = num("txtvz");
        I = num("txtma");
        if (Vz > Vcc) {
            warn("VALORI DI TENSIONE ERRATI", kErrorTitle);
            return focus("txtvcc");
        }
        const double product = Vcc * Vz * I;
        if (product == 0) return missingData("txtvcc");
        if (product < 0) return;
        // Whole ohms in a 32-bit integer: ordinary supplies give far more
        // than the 32767 ohms a 16-bit one holds (1000 V at 1 mA is 47376).
        R = toInt32((Vcc - Vz) / (Iz + I) * 1000);
        Pd = static_cast<float>((Vcc - Vz) * (Iz + I) / 1000);
        caption("lblvcc", formatLocale(Vcc) + " V");
        caption("lblohm", formatLocale(R) + " ohm");
        caption("lblvz", formatLocale(Vz) + " V");
        caption("lblohmlunga", "Valore della resistenza = Ohm " + formatLocale(R));
        caption("lblwatt", "Dissipazione in Watt = " + formatLocale(Pd));
    }

    std::int16_t Iz = 0;           // the Zener's standing current, milliamperes
    double Vcc = 0, Vz = 0, I = 0; // volts, volts, milliamperes
    std::int32_t R = 0;            // ohms
    float Pd = 0;                  // watts
};

ETERO_FORM(ResZener, "frmreszener");

} // namespace

} // namespace etero::resistors
