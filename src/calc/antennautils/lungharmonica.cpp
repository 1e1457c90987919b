// The length of a wire antenna several half waves long, slightly longer
// than the sum of its half waves, fed a quarter wave from one end.
#include "antennautils.h"
#include "calc/dipoles/dipoles.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

#include <cmath>
#include <vector>

namespace etero::antennautils {

namespace {

class LunghArmonica : public UtilityForm {
  public:
    LunghArmonica() : UtilityForm("frmlungharmonica") {}

  protected:
    void design() override {
        window("LUNGHEZZA DI UNA ANTENNA IN ARMONICA");
        field("Label1", "FREQUENZA IN MHz", "txtf");
        field("Label2", "NUMERO DI MEZZE ONDE", "txtn");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lbllunghezza");
        label("Label3", "UN' ANTENNA IN ARMONICA E'  SEMPRE UN PO'  PIU' LUNGA DEL CORRISPONDENTE "
                        "NUMERO DI MEZZE ONDE CHE LA COMPONGONO. L' ALIMENTAZIONE DEVE AVVENIRE AD "
                        "1/4 LAMBDA")
            .as(Role::Hint);
        schematic();
        closeButton();
    }

  private:
    // A wire of three half waves with the current along it, fed a quarter
    // wave from its left end.
    void schematic() {
        Drawing& d = drawing(460, 150);
        const double x1 = 40, x2 = 420, y = 50, half = (x2 - x1) / 3;
        dipoles::wire(d, x1, x2, y);
        dipoles::insulator(d, x1, y, -14);
        dipoles::insulator(d, x2, y, 14);
        std::vector<double> current;
        for (int i = 0; i <= 60; ++i) {
            const double x = x1 + (x2 - x1) * i / 60.0;
            current.push_back(x);
            current.push_back(y - 26 * std::abs(std::sin(3.14159 * (x - x1) / half)));
        }
        Shape& c = d.polyline(std::move(current));
        c.pen = kMeasure;
        c.penWidth = 1;
        c.dashed = true;
        const double feed = x1 + half / 2;
        dipoles::centreFeed(d, feed, y, 34);
        measure(d, x1, 100, feed, 100);
        note(d, (x1 + feed) / 2, 90, "1/4 lambda");
        measure(d, x1, 136, x2, 136);
        note(d, (x1 + x2) / 2, 126, "n  x  1/2 lambda");
    }

    void compute() {
        // A refused input leaves no length of an earlier one in view.
        blank({"lbllunghezza"});
        f = num("txtf");
        n = num("txtn");
        if (f * n <= 0) return missingData("txtf");
        // The end correction takes 0.05 of a half wave: a number not above it
        // leaves no wire at all, a length of zero or less.
        if (n <= 0.05) return refuse("NUMERO DI MEZZE ONDE NON VALIDO", kNoticeTitle, "txtn");
        L = 150 * (n - 0.05) / f;
        caption("lbllunghezza", "L'ANTENNA E' LUNGA  " + formatFixed(L, 2) + " METRI");
    }

    double f = 0; // MHz
    double n = 0; // number of half waves, not necessarily whole
    double L = 0; // m
};

ETERO_FORM(LunghArmonica, "frmlungharmonica");

} // namespace

} // namespace etero::antennautils
