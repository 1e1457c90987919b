// The self-capacitance and the self-resonant frequency of a single-layer
// air coil (Medhurst), with its inductance (Wheeler) and its wire length.
#include "calc/coils/coils.h"
#include "resonance.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero::resonance {

namespace {

class AutoRisonanza : public ResonanceForm {
  public:
    AutoRisonanza() : ResonanceForm("frmautorisonanza") {}

  protected:
    void design() override {
        window("CALCOLO CAPACITA'  PARASSITA E AUTORISONANZA DI UNA BOBINA MONOSTRATO IN ARIA      "
               "FORMULA DI MEDHURST");
        field("Label1", "numero di spire", "txtnr");
        field("Label2", "diametro interno bobina in millimetri", "txtdiametro")
            .tip("diametro del supporto");
        control("Label2").tip("calcolato al centro spira");
        field("Label3", "lunghezza bobina  in millimetri", "txtlunghezza")
            .tip("digitare un dato compatibile con la sezione del filo");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        frame("Frame1").hidden();
        result("lblinduttanza");
        result("lbllunghezzafilo");
        result("lblcp");
        result("lblf");
        endFrame();
        label("lbll", "L").as(Role::OnDrawing);
        label("lbld", " D ").as(Role::OnDrawing);
        label("Label4",
              "NELLA FORMULA DI MEDHURST UTILIZZATA    LA SELF - CAPACITANCE  DIPENDE SOLO DALLA "
              "RELAZIONE LUNGHEZZA - DIAMETRO DELLA BOBINA . L'ASSEGNAZIONE DEL NUMERO DELLE "
              "SPIRE NECESSITA ESCLUSIVAMENTE PER IL CALCOLO DELL' INDUTTANZA E NON INFLUISCE "
              "SULL' ENTITA' DELLA CAPACITA'  PARASSITA")
            .as(Role::Hint);
        label("Label5", "TRATTASI DI FORMULE SEMI-EMPIRICHE").as(Role::Hint);
        label("Label6", kDecimalsHint).as(Role::Hint);
        command("cmdchiamaawg", "CONVERSIONI AWG", [this] { companionBeside("frmawg", 3000); });
        closeCommand("cmdesci", "E X I T");
        schematic();

        for (const char* f : {"txtnr", "txtdiametro", "txtlunghezza"})
            onChange(f, [this] { clear(); });
    }

  private:
    // The coil on its former, its length above and its diameter at the left.
    void schematic() {
        using namespace coils;
        Drawing& d = drawing(400, 175);
        const double x0 = 140, x1 = 300, top = 45, bottom = 145;
        Shape& former = d.rect(x0 - 14, top, x1 - x0 + 28, bottom - top);
        former.filled = true;
        former.fill = 0xEFE4CC;
        former.pen = 0x7A6A50;
        former.penWidth = 1;
        Shape& end = d.ellipse(x1 + 6, top, 16, bottom - top);
        end.filled = true;
        end.fill = 0xE2D4B4;
        end.pen = 0x7A6A50;
        end.penWidth = 1;
        helix(d, x0, x1 - x0, top, bottom, 8, 3, true);
        Shape& a = d.polyline({x0, bottom, x0, bottom + 14, x0 - 40, bottom + 14});
        a.pen = kCopper;
        a.penWidth = 2;
        Shape& b = d.polyline({x1, bottom, x1, bottom + 14, x1 + 40, bottom + 14});
        b.pen = kCopper;
        b.penWidth = 2;
        d.terminal(x0 - 43, bottom + 14);
        d.terminal(x1 + 43, bottom + 14);
        extension(d, x0, top - 3, x0, 14);
        extension(d, x1, top - 3, x1, 14);
        d.arrowLine(x0, 20, x1, 20);
        d.slot("lbll", x0 + 10, 1, x1 - x0 - 20, 17, 0);
        extension(d, x0 - 17, top, 70, top);
        extension(d, x0 - 17, bottom, 70, bottom);
        d.arrowLine(78, top, 78, bottom);
        d.slot("lbld", 0, (top + bottom) / 2 - 9, 74, 18, 1);
    }

    // Any input change: the results go, the drawing shows the letters again.
    void clear() {
        hide("Frame1");
        caption("lbll", "L");
        caption("lbld", " D ");
    }

    void compute() {
        D = num("txtdiametro");
        len = num("txtlunghezza");
        N = num("txtnr");
        if (N * D * len <= 0) return missingData("txtnr");
        inductance = formatFixed(N * N * D / (1000 * (len / D + 0.45)), 2);
        caption("lblinduttanza",
                "l'induttanza è " + std::string(kMicro) + "Henry    " + inductance);
        caption("lbllunghezzafilo",
                "il conduttore è lungo cm.  " + formatLocale(intFloor(D / 10 * 3.14 * N)));
        const double H = 0.1126 * (len / D) + 0.08 + 0.27 * std::sqrt(D / len);
        if (len / D < 0.1 || len / D > 50) {
            warn("RAPPORTO DIAMETRO LUNGHEZZA ASSURDO", "MESSAGGIO DI ERRORE");
            return focus("txtnr");
        }
        Cp = roundThroughFixed(H * D / 10, 2);
        // The self-resonance from the inductance as shown.
        resonance = formatFixed(159.155 / std::sqrt(Cp * parseLocale(inductance)), 6);
        caption("lblcp", "la capacità parassita è pF  " + formatLocale(Cp));
        caption("lblf", "la frequenza di autorisonanza è MHz  " + resonance);
        caption("lbll", formatLocale(len) + " mm");
        caption("lbld", formatLocale(D) + " mm ");
        show("Frame1");
    }

    double D = 0, len = 0, N = 0, Cp = 0;
    std::string inductance, resonance; // as shown
};

ETERO_FORM(AutoRisonanza, "frmautorisonanza");

} // namespace

} // namespace etero::resonance
