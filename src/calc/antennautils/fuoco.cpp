// Where the focus of a circular dish lies, from its diameter and depth.
#include "antennautils.h"
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::antennautils {

namespace {

class Fuoco : public UtilityForm {
  public:
    Fuoco() : UtilityForm("frmfuoco") {}

  protected:
    void design() override {
        window("FUOCO DI UNA PARABOLA CIRCOLARE");
        field("Label1", "DIAMETRO in cm.", "txtdiametro");
        field("Label2", "PROFONDITA' in cm.", "txtprofondita");
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        result("lblfuoco").hidden();
        label("lblf").as(Role::OnDrawing).hidden();
        schematic();
        closeButton();
    }

  private:
    // The dish from the side with its diameter D, its depth p and the focus
    // on its axis, the focal distance measured from the vertex.
    void schematic() {
        Drawing& d = drawing(300, 250);
        const double vx = 50, axis = 110, depth = 36, across = 180;
        const double rim = vx + depth, top = axis - across / 2, bottom = axis + across / 2;
        const double focus = vx + across * across / (16 * depth);
        extension(d, vx, axis, 200, axis);
        dish(d, vx, axis, depth, across);
        // The feed held at the focus by two struts from the rim.
        for (double y : {top, bottom}) {
            Shape& strut = d.line(rim, y, focus, axis);
            strut.pen = kMetal;
            strut.penWidth = 1;
        }
        Shape& feed = d.ellipse(focus - 5, axis - 5, 10, 10);
        feed.filled = true;
        feed.fill = kCopper;
        measure(d, vx, axis + 14, focus, axis + 14);
        d.slot("lblf", focus + 10, axis - 22, 120, 18);
        extension(d, rim, top, 236, top);
        extension(d, rim, bottom, 236, bottom);
        measure(d, 230, top, 230, bottom);
        note(d, 240, axis, "D", Anchor::StartsAt);
        extension(d, vx, axis + 20, vx, 236);
        extension(d, rim, bottom, rim, 236);
        measure(d, vx, 230, rim, 230);
        note(d, vx - 8, 230, "p", Anchor::EndsAt);
    }

    void compute() {
        // A refused input leaves no focus of an earlier one in view.
        blank({"lblf", "lblfuoco"});
        showAll({"lblf", "lblfuoco"}, false);
        D = num("txtdiametro");
        p = num("txtprofondita");
        if (D <= 0 || p <= 0) return missingData("txtdiametro");
        F = roundThroughFixed(D * D / (16 * p), 1);
        caption("lblf", formatLocale(F) + " cm.");
        caption("lblfuoco", "IL PUNTO FOCALE E' A CIRCA " + formatLocale(F) + " cm.");
        showAll({"lblf", "lblfuoco"});
    }

    double D = 0; // diameter, cm
    double p = 0; // depth, cm
    double F = 0; // focal distance, cm, rounded to one decimal
};

ETERO_FORM(Fuoco, "frmfuoco");

} // namespace

} // namespace etero::antennautils
