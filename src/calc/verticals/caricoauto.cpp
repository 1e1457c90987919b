// The base coil of a short vertical wound as one coil of two sections: L1
// alone matches the feed to the 50 ohm line as an autotransformer, L1 and L2
// together bring the radiator to resonance. The turns of each section.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "verticals.h"

namespace etero::verticals {

namespace {

class CaricoAuto : public Form {
  public:
    CaricoAuto() : Form("frmcaricoauto") {}

  protected:
    void design() override {
        window("BOBINA DI CARICO CON ADATTAMENTO DI IMPEDENZA ALLA BASE");
        field("Label1", "FREQUENZA IN MHz :", "txtf");
        field("Label2", "LUNGHEZZA ANTENNA in mt. :", "txtlungantenna");
        field("Label3", "DIAMETRO MEDIO ANTENNA in mm. :", "txtdiamant");
        field("Label4", "DIAMETRO INTERNO BOBINA in mm.", "txtdiambobina");
        field("Label6", "LUNGHEZZA TRATTO L1 in mm.", "txtlungL1");
        field("Label7", "LUNGHEZZA TRATTO L2 in mm.", "txtlungL2");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblspireL1");
        result("lblspire2");
        label("lblnotaspire", "IL NUMERO DELLE SPIRE E' SOGGETTO A VARIAZIONI IN RELAZIONE ALLA "
                              "NATURA DEL SUPPORTO DELLA BOBINA ED ALLA COSTRUZIONE DELLA STESSA")
            .as(Role::Hint)
            .hidden();
        schematic();
        label("Label5", "La bobina di carico è un unico avvolgimento in due tratti: il tratto L1 "
                        "da solo, come un autotrasformatore, abbassa l'impedenza di alimentazione "
                        "a quella della linea da 50 Ohm; L1 e L2 insieme portano il radiatore in "
                        "risonanza.")
            .as(Role::Hint);
        command("cmdavvertenza", "Avvertenza", [this] { openForm("frmavvertenza", Mode::Modal); });
        closeCommand("cmdchiudi", kClose);
    }

  private:
    // The radiator over its radials; below it the coil, L2 on top of L1,
    // the feed line tapped where the two sections meet, L1 down to earth.
    void schematic() {
        Drawing& d = drawing(380, 320);
        const double x = 150, top = 20, l2Top = 130, tap = 195, l1Bottom = 260;
        radiator(d, x, top, l2Top);
        d.inductor(x, l2Top, tap - l2Top, Dir::Down, 4);
        d.inductor(x, tap, l1Bottom - tap, Dir::Down, 4);
        d.dot(x, tap);
        d.wire(x, tap, x + 110, tap);
        d.terminal(x + 113, tap);
        d.dot(x, l1Bottom);
        earth(d, 40, 300, l1Bottom + 30);
        d.wire(x, l1Bottom, x, l1Bottom + 30);
        d.text(x - 24, (l2Top + tap) / 2, "L2", 9, Anchor::StartsAt);
        d.text(x - 24, (tap + l1Bottom) / 2, "L1", 9, Anchor::StartsAt);
    }

    void compute() {
        // The results stay while the inputs are edited, so each computation
        // first takes down those of the last one: a refusal or a fault must
        // not leave them beside inputs that did not produce them.
        blank({"lblspireL1", "lblspire2"});
        f = num("txtf");
        D = num("txtdiambobina");
        H = num("txtlungantenna");
        ra = num("txtdiamant") / 2000;
        l1 = num("txtlungL1");
        l2 = num("txtlungL2");
        L1 = 50 / (6.28 * f); // 50 ohm of reactance at f
        if (H >= 72 / f) {
            warn("RADIATORE TROPPO LUNGO", "MESSAGGIO DI AVVISO");
            return focus("txtlungantenna");
        }
        N1 = roundThroughPattern(airCoilTurns(L1, l1, D), "#,##0.#");
        caption("lblspireL1",
                "LA BOBINA L 1 E' FORMATA DA :   " + formatLocale(N1) + " SPIRE IN ARIA");

        L2 = baseCoil(H, ra, f).L;
        const std::string N2 = formatPattern(airCoilTurns(L2, l2, D), "#,##0.#");
        caption("lblspire2", "LA BOBINA L2  E' FORMATA DA : " + N2 + " SPIRE IN ARIA");
        show("lblnotaspire");
    }

    double f = 0, D = 0, H = 0, ra = 0, l1 = 0, l2 = 0;
    double L1 = 0, L2 = 0, N1 = 0; // µH, µH, turns as shown
};

ETERO_FORM(CaricoAuto, "frmcaricoauto");

} // namespace

} // namespace etero::verticals
