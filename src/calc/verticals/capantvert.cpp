// The capacitance to earth of a vertical wire standing on the ground or
// raised above it.
#include "shell/app/registry.h"
#include "shell/number/number.h"
#include "verticals.h"

#include <cmath>

namespace etero::verticals {

namespace {

class CapAntVert : public Form {
  public:
    CapAntVert() : Form("frmcapantvert") {}

  protected:
    void design() override {
        window("CAPACITA'  RIFERITA ALLA TERRA DI UN' ANTENNA VERTICALE");
        frame("Frame1", "POSIZIONE DELL'ANTENNA ");
        options("Option1", 0, {"SISTEMATA A TERRA", "SISTEMATA IN POSIZIONE ELEVATA"});
        endFrame();
        field("Label1", "LUNGHEZZA DELL'ANTENNA in mt.", "txtlunghezza");
        field("Label2", "DIAMETRO MEDIO DELL'ANTENNA in mm.", "txtdiametro");
        field("lbldistanza", "DISTANZA DALLA TERRA in mt.", "txtdistanza");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblcapacita");
        schematic();
        closeCommand("cmdchiudi", kClose);

        onOption("Option1", [this](int i) { position(i); });
        blankOnInputChange({"lblcapacita"});
    }

  private:
    // The two placements side by side: on the ground, and raised with the
    // distance to the ground marked.
    void schematic() {
        Drawing& d = drawing(360, 260);
        const double ground = 230, top = 30;
        earth(d, 20, 340, ground);
        radiator(d, 100, top, ground);
        const double raisedBase = 170;
        radiator(d, 260, top, raisedBase);
        d.dot(260, raisedBase);
        dimension(d, 300, raisedBase, ground);
        dimension(d, 60, top, ground);
    }

    // The distance is asked for only when the antenna is raised.
    void position(int index) {
        blank({"lblcapacita"});
        const bool raised = index != 0;
        show("lbldistanza", raised);
        show("txtdistanza", raised);
    }

    void compute() {
        H = num("txtlunghezza");
        d = num("txtdiametro");
        h = num("txtdistanza");
        if (H * d == 0) return missingData("txtlunghezza");
        if (H * d < 0) return;
        const double Hm = 1000 * H, hm = 1000 * h; // mm
        if (selected("Option1") == 0) {
            k = 12.1 / std::log10(2 * Hm / (d * 1.732051));
        } else {
            const double x = std::sqrt((4 * hm + Hm) / (4 * hm + 3 * Hm));
            k = 12.1 / std::log10(2 * Hm / d * x);
        }
        C = roundThroughFixed(k * H, 1);
        caption("lblcapacita", "LA CAPACITA'  DELL'ANTENNA E'  " + formatLocale(C) + " pF");
    }

    double H = 0, d = 0, h = 0, k = 0;
    double C = 0; // pF, rounded through the text
};

ETERO_FORM(CapAntVert, "frmcapantvert");

} // namespace

} // namespace etero::verticals
