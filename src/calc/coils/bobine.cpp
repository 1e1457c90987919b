// Single-layer air-cored HF coil by Wheeler's formula, both ways: the turns
// for an inductance, or the inductance of a number of turns, with the widest
// wire that fits close-wound and the length of wire to cut. Also the coil
// companion that many other calculators open beside themselves.
#include "coils.h"

#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>

namespace etero {

namespace {

using namespace coils;

class Bobine : public CoilDesigner {
  public:
    Bobine() : CoilDesigner("frmbobine") {}

  protected:
    void design() override {
        window("CALCOLO BOBINE  HF  MONOSTRATO IN ARIA      FORMULA DI WHEELER - BENZ");
        options("Option1", 0, {kFindTurns, kFindInductance});
        field("Label1", "diametro interno bobina in millimetri", "txtdiametro")
            .tip("diametro del supporto");
        control("Label1").tip("calcolato al centro spira");
        field("Label2", "lunghezza bobina  in millimetri", "txtlunghezza")
            .tip("digitare un dato compatibile con la sezione del filo");
        field("lblinput", "", "txtinput");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbloutput").hidden();
        result("lbllunghezzafilo").hidden();
        label("lbll", "L").as(Role::OnDrawing);
        label("lbld", " D ").as(Role::OnDrawing);
        label("Label3", "LA FORMULA DI WHEELER - BENZ E' INDIPENDENTE DAL DIAMETRO DEL FILO; "
                        "L'ERRORE E' MINIMO SE LA LUNGHEZZA DELLA BOBINA E' ALMENO 0,4 VOLTE "
                        "IL DIAMETRO")
            .as(Role::Hint);
        label("Label4", "BOBINE AD UN SOLO STRATO, NON SCHERMATE E SENZA NUCLEO: OLTRE I "
                        "30 - 40 MHz I VALORI SI DISCOSTANO DA QUELLI REALI")
            .as(Role::Hint);
        label("Label5", "ALCUNI AUTORI AFFERMANO CHE IL RAPPORTO OTTIMALE DI \"Q\" SI OTTIENE "
                        "CON D = 2 L,  ALTRI CON D = L")
            .as(Role::Hint);
        label("Label6", kDecimalsHint).as(Role::Hint);
        command("cmdaprevhf", "per bobine VHF clicca qui   \"Costr.Bobine VHF \"",
                [this] { openForm("frmmicrobobine", Mode::Modeless); });
        command("cmdchiamaawg", "CONVERSIONI AWG", [this] { openWireGauges(); });
        closeCommand("cmdesci", "E X I T");
        schematic();

        onOption("Option1", [this](int i) {
            caption("lblinput", inputCaption(i));
            clear();
        });
        for (const char* f : {"txtdiametro", "txtlunghezza", "txtinput"})
            onChange(f, [this] { clear(); });
    }

  private:
    // A close-wound coil on its former, its length and diameter marked.
    void schematic() { coilOnFormer(drawing(400, 175), 10); }

    // An input change or a mode change: the results go, the drawing shows
    // the letters again.
    void clear() {
        hide("lbloutput");
        hide("lbllunghezzafilo");
        caption("lbll", "L");
        caption("lbld", " D ");
    }

    void compute() {
        const double D = num("txtdiametro");
        const double Lc = num("txtlunghezza");
        const double X = num("txtinput");
        if (D * Lc * X <= 0) return missingData("txtinput");
        if (isOn("Option1(0)")) {
            const std::string turns = formatFixed(std::sqrt(1000 * X * (Lc / D + 0.45) / D), 1);
            const double N = parseLocale(turns);
            const double w = roundThroughFixed(Lc / N, -1);
            caption("lbloutput",
                    turns + " spire in aria, filo con diametro massimo di mm. " + formatLocale(w));
            caption("lbllunghezzafilo", "lunghezza del conduttore : " +
                                            formatLocale(intFloor(D / 10 * 3.14 * N)) + " cm.");
        } else {
            const double N = X;
            const double L = N * N * D / (1000 * (Lc / D + 0.45));
            const double w = roundThroughFixed(Lc / N, -1);
            caption("lbloutput", std::string(kMicro) + "Henry :   " + formatFixed(L, 2));
            caption("lbllunghezzafilo", "lunghezza del conduttore " +
                                            formatLocale(intFloor(D / 10 * 3.14 * N)) +
                                            " cm. con diametro max mm. " + formatLocale(w));
        }
        caption("lbll", formatLocale(Lc) + " mm");
        caption("lbld", formatLocale(D) + " mm ");
        show("lbloutput");
        show("lbllunghezzafilo");
    }
};

ETERO_FORM(Bobine, "frmbobine");

} // namespace

} // namespace etero
