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
        coilOnFormer(drawing(400, 175), 8);
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
