// The effective radiated power: the transmitter power less the losses of
// the coaxial line and its connectors, plus the gain of the antenna. The
// line loss comes from a table of five cables over seven bands.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>

namespace etero::antennautils {

namespace {

// The upper limit of each band, MHz; a band includes its limit.
constexpr std::array<double, 7> kBandTop{10, 50, 100, 200, 400, 1000, 3000};

// Attenuation in dB per 100 m, by band and by cable: RG 58, RG 8 - 213,
// TV 6.8 mm, RG 217, RG 62.
constexpr std::array<std::array<double, 5>, 7> kAttenuation{{
    {4.59, 1.8, 2.2, 1.35, 2.8},
    {10.8, 4.27, 6.2, 3.28, 6.23},
    {16.1, 6.23, 6.9, 4.59, 9.68},
    {24.3, 8.86, 10.2, 6.56, 12},
    {39.4, 13.5, 15, 10.17, 17.4},
    {78.7, 26.3, 23.3, 18, 28.5},
    {177, 52.5, 52.5, 40.7, 60.7},
}};

// Loss of one connector in dB, by band, single precision.
constexpr std::array<float, 7> kConnectorLoss{0.1f, 0.1f, 0.2f, 0.2f, 0.3f, 0.3f, 0.4f};

constexpr const char* kAdapt = "IMPEDENZE DIVERSE DEVONO ESSERE ADATTATE";

class ERP : public UtilityForm {
  public:
    ERP() : UtilityForm("frmERP") {}

  protected:
    void design() override {
        window("POTENZA EFFETTIVA IRRADIATA - E R P");
        frame("Frame1", " Tipi di cavo ")
            .tip("NATURALMENTE IMPEDENZE DIVERSE DEVONO ESSERE ADATTATE");
        options("Option1", 0, {"RG 58", "RG 8 - 213", "TV 6.8 mm", "RG 217", "RG 62"});
        control("Option1(2)").tip(kAdapt);
        control("Option1(4)").tip(kAdapt);
        endFrame();
        field("Label2", "FREQUENZA in MHz", "txtfrequenza");
        field("Label3", "POTENZA D' USCITA TX in Watt", "txtW");
        field("Label4", "LUNGHEZZA DEL COAX in mt", "txtlunghezza");
        field("Label5", "NR. DEI CONNETTORI USATI", "txtnr");
        field("Label6", "GUADAGNO ISO DELL'ANTENNA in dB (dipolo 1/2 onda =  + 2.14 dB dipolo ISO)",
              "txtguadagno");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblerp");
        result("lblpt");
        label("Label1",
              "LA POTENZA EFFETTIVAMENTE IRRADIATA DIPENDE DALLA POTENZA D' USCITA DEL "
              "TRASMETTITORE, DALLA FREQUENZA, DALLA LUNGHEZZA E DALLA QUALITA' DELLA "
              "LINEA DI ALIMENTAZIONE, DALLE PERDITE TOTALI E DAL GUADAGNO DELL' ANTENNA.")
            .as(Role::Hint);
        label("Label7", "I RISULTATI SONO OVVIAMENTE TEORICI ED INDICATIVI").as(Role::Hint);
        closeButton();
    }

  private:
    void compute() {
        // A refused input leaves no power of an earlier one in view.
        blank({"lblerp", "lblpt"});
        f = num("txtfrequenza");
        P = num("txtW");
        length = num("txtlunghezza");
        connectors = num("txtnr");
        G = num("txtguadagno");
        if (f * P * length * connectors * G == 0) return missingData("txtfrequenza");
        if (f < 0 || P < 0 || length < 0 || connectors < 0 || G < 0) return;
        const int cable = selected("Option1");
        if (cable < 0) return;
        // Beyond the last band the table has no attenuation to give.
        int band = 0;
        while (band < static_cast<int>(kBandTop.size()) && f > kBandTop[band])
            ++band;
        if (band == static_cast<int>(kBandTop.size()))
            return refuse("FREQUENZA ECCESSIVA", "AVVVERTIMENTO", "txtfrequenza");
        a = kAttenuation[band][cable];
        c = kConnectorLoss[band];
        T = a * length / 100 + connectors * c;
        const double Pa = P / std::pow(10, T / 10);
        erp = static_cast<float>(roundThroughPattern(Pa * std::pow(10, G / 10), "##0.##"));
        caption("lblerp", "POTENZA IRRADIATA  " + formatLocale(erp) + " Watt");
        caption("lblpt", "PERDITA TOT. DELLA LINEA  " + formatPattern(T, "#0.##") + " dB");
    }

    double f = 0;          // MHz
    double P = 0;          // transmitter power, W
    double length = 0;     // coaxial line, m
    double connectors = 0; // number of connectors
    double G = 0;          // antenna gain over isotropic, dB
    double a = 0;          // line attenuation, dB per 100 m
    float c = 0;           // loss per connector, dB
    double T = 0;          // total loss, dB
    float erp = 0;         // W, rounded to two decimals
};

ETERO_FORM(ERP, "frmERP");

} // namespace

} // namespace etero::antennautils
