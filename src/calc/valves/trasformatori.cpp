// The mains transformer of valve equipment from the cross-section of its
// core: the power it can carry, the turns per volt and in all of each
// winding, the currents and the wire diameters, for the quality of the
// laminations chosen.
#include "valves.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace etero::valves {

namespace {

// Each result label with the caption it shows until the first result.
struct ResultLine {
    const char* name;
    const char* designCaption;
};
constexpr std::array<ResultLine, 11> kResults{{
    {"lblSL", "SEZIONE LORDA  mmq"},
    {"lblSN", "SEZIONE NETTA  mmq"},
    {"lblSP", "SPIRE PER VOLT PRIMARIO"},
    {"lblSS", "SPIRE PER VOLT SECONDARIO"},
    {"lbltotSP", "TOTALE SPIRE PRIMARIO"},
    {"lbltotSS", "TOTALE SPIRE SECONDARIO"},
    {"lbldiamP", "DIAMETRO FILO PRIM. mm."},
    {"lbldiamS", "DIAMETRO FILO SEC.  mm."},
    {"lblampprim", "AMPER PRIMARIO"},
    {"lblampsec", "AMPER SECONDARIO"},
    {"lblWATT", "POTENZA IN WATT"},
}};

class Trasformatori : public IronCoreForm {
  public:
    Trasformatori() : IronCoreForm("frmtrasformatori") {}

  protected:
    void design() override {
        window("CALCOLO TRASFORMATORI DI ALIMENTAZIONE");
        frame("Frame1", "QUALITA'  DEI  LAMIERINI");
        options("Option1", 0, {"Qualità bassa", "Qualità media", "A granuli orientati"});
        endFrame();
        field("Label1", "larghezza del nucleo in mm", "txtlunghezza");
        field("Label2", "altezza del nucleo in mm", "txtaltezza");
        field("Label3", "Tensione primario in Volt", "txtvp").initial("230");
        field("Label4", "Tensione secondario in Volt", "txtvs");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        for (const ResultLine& r : kResults)
            result(r.name, r.designCaption);
        label("Label5", "LA POTENZA DEL TRASFORMATORE E' PROPORZIONALE ALLA SEZIONE DEL NUCLEO E "
                        "DIPENDE DALLA QUALITA' DEI LAMIERINI")
            .as(Role::Hint);
        schematic();
        laminationTableCommand();
        command("cmdchiamalunghezza", "PESO/LUNGHEZZA",
                [this] { openForm("frmlunghezzafilo", Mode::Modeless); });
        closeCommand("cmdesci", "E S C I");

        onOption("Option1", [this](int index) { choose(index); });
    }

  private:
    // The core seen from the front, the width of its centre leg marked, and
    // from the side, the height of the stack of laminations marked.
    void schematic() {
        Drawing& d = drawing(340, 210);
        d.rect(20, 20, 180, 140).penWidth = 2;
        d.rect(50, 50, 40, 80).penWidth = 1.2;
        d.rect(130, 50, 40, 80).penWidth = 1.2;
        d.line(20, 50, 200, 50).dashed = true;
        d.line(90, 160, 90, 180).penWidth = 1;
        d.line(130, 160, 130, 180).penWidth = 1;
        d.arrowLine(90, 175, 130, 175);
        d.text(110, 194, "larghezza", 8, Anchor::CentredOn);
        d.rect(250, 20, 60, 140).penWidth = 2;
        for (double x = 256; x < 310; x += 6)
            d.line(x, 20, x, 160).penWidth = 0.5;
        d.arrowLine(250, 175, 310, 175);
        d.text(280, 194, "altezza", 8, Anchor::CentredOn);
    }

    void choose(int index) {
        switch (index) {
        case 0:
            k = 0.8f;
            K = 4100;
            break;
        case 1:
            k = 0.83f;
            K = 3750;
            break;
        case 2:
            k = 0.86f;
            K = 3600;
            break;
        default:
            break;
        }
    }

    void compute() {
        const double w = num("txtlunghezza"), h = num("txtaltezza"), Vp = num("txtvp"),
                     Vs = num("txtvs");
        // A refusal or a fault leaves no result of earlier inputs in view.
        for (const ResultLine& r : kResults)
            caption(r.name, r.designCaption);
        if (w * h * Vp * Vs <= 0) return missingData("txtlunghezza");
        const double S = w * h, Sn = 0.95 * S;
        if (S < 160) {
            warn("SEZIONE TROPPO PICCOLA", kErrorTitle);
            return focus("txtlunghezza");
        }
        if (S > 20000) {
            warn("SEZIONE TROPPO GROSSA", kErrorTitle);
            return focus("txtlunghezza");
        }
        const std::int16_t P = toInt16(S * S / 13500 * k);
        // Turns per volt, currents and diameters are kept as their texts,
        // and later steps use the numbers those texts read.
        const std::string tp = formatPattern(K / Sn, "##0.##");
        const std::string ts = formatPattern(parseLocale(tp) * 1.06, "##0.##");
        const std::int16_t Np = toInt16(Vp * parseLocale(tp));
        const std::int16_t Ns = toInt16(Vs * parseLocale(ts));
        const std::string Ip = formatPattern(P / Vp, "##0.##");
        const std::string Is = formatPattern(P / Vs, "##0.##");
        const std::string dP = formatPattern(0.72 * std::sqrt(parseLocale(Ip)), "##0.##");
        const std::string dS = formatPattern(0.72 * std::sqrt(parseLocale(Is)), "##0.##");

        caption("lblSL", "SEZIONE LORDA mmq: " + formatLocale(S));
        caption("lblSN", "SEZIONE NETTA mmq: " + formatLocale(Sn));
        caption("lblSP", "SPIRE PER VOLT PRIMARIO N. " + tp);
        caption("lblSS", "SPIRE PER VOLT SECONDARIO N. " + ts);
        caption("lbltotSP", "TOTALE SPIRE PRIMARIO N. " + formatLocale(Np));
        caption("lbltotSS", "TOTALE SPIRE SECONDARIO N. " + formatLocale(Ns));
        caption("lbldiamP", "DIAMETRO FILO PRIM. mm. " + dP);
        caption("lbldiamS", "DIAMETRO FILO SEC.  mm. " + dS);
        caption("lblampprim", "AMPER PRIMARIO : " + Ip);
        caption("lblampsec", "AMPER SECONDARIO : " + Is);
        caption("lblWATT", "POTENZA IN WATT : " + formatLocale(P));
    }

    // The lamination quality chosen last: power factor and turns constant.
    float k = 0.8f;
    std::int16_t K = 4100;
};

ETERO_FORM(Trasformatori, "frmtrasformatori");

} // namespace

} // namespace etero::valves
