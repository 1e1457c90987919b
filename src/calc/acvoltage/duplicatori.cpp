// The capacitors of a voltage doubler: from the alternating input voltage,
// the load current and the mains frequency, the no-load direct voltage and
// the least capacitance of each capacitor.
#include "shell/app/registry.h"
#include "shell/number/number.h"

namespace etero::acvoltage {

namespace {

// A diode between two points of a horizontal or vertical run, the anode at
// (x, y); pointing back, the cathode is there instead.
void diode(Drawing& d, double x, double y, double length, Dir dir, bool pointingBack = false) {
    const double half = 8, mid = length / 2;
    const double tail = pointingBack ? half : -half; // towards the anode, along the run
    auto at = [&](double t, double u) {
        return dir == Dir::Right ? std::pair{x + t, y - u} : std::pair{x + u, y + t};
    };
    auto [ax, ay] = at(0, 0);
    auto [bx, by] = at(length, 0);
    d.wire(ax, ay, bx, by);
    auto [p1x, p1y] = at(mid + tail, half);
    auto [p2x, p2y] = at(mid + tail, -half);
    auto [tx, ty] = at(mid - tail, 0);
    Shape& triangle = d.polyline({p1x, p1y, p2x, p2y, tx, ty});
    triangle.filled = true;
    auto [c1x, c1y] = at(mid - tail, half);
    auto [c2x, c2y] = at(mid - tail, -half);
    d.line(c1x, c1y, c2x, c2y).penWidth = 2.5;
}

class Duplicatori : public Form {
  public:
    Duplicatori() : Form("frmduplicatori") {}

  protected:
    void design() override {
        window("CALCOLO DEI CONDENSATORI IN CIRCUITI DUPLICATORI DI TENSIONI");
        field("Label1", "TENSIONE ALTERNATA IN INGRESSO", "txtvolt");
        field("Label2", "ASSORBIMENTO IN mA", "txtassorbimento");
        field("Label3", "FREQUENZA IN Hz", "txtfrequenza").initial("50");
        result("lblvcc");
        result("lblcap");
        label("Label4", "USARE IL PUNTO PER SEPARARE I DECIMALI").as(Role::Hint);
        schematic();
        command("cmdcalcola", "CALCOLA", [this] { compute(); });
        closeCommand("cmdesci", "E S C I");
        // The results stay when an input changes, until the next computation.
    }

  private:
    // On the left the doubler with its negative to ground (a series
    // capacitor and a clamping diode, then a rectifier and the reservoir
    // capacitor); on the right the one with its negative free (two diodes,
    // two capacitors in series, the source between their midpoints).
    void schematic() {
        label("Label5", "DUPLICATORE CON NEGATIVO A MASSA").as(Role::OnDrawing).font(0, true);
        label("Label6", "DUPLICATORE CON NEGATIVO ISOLATO DA MASSA (per ottenere tensioni duali "
                        ", oppure la massa potrebbe essere collegata al positivo )")
            .as(Role::OnDrawing)
            .font(0, true);
        label("Label7", "A C").as(Role::OnDrawing);
        label("Label8", "A C").as(Role::OnDrawing);
        Drawing& d = drawing(660, 250);
        d.line(330, 0, 330, 240).dashed = true;
        auto sign = [&](double x, double y, const char* s) { d.text(x, y, s, 11).bold = true; };

        // Negative to ground.
        d.slot("Label5", 0, 2, 320, 56, SlotAlign::Centre);
        const double top = 100, ground = 220;
        d.generator(40, top, ground - top, Dir::Down);
        d.wire(40, top, 60, top);
        d.capacitor(60, top, 70, Dir::Right);
        d.wire(130, top, 150, top);
        diode(d, 150, top, ground - top, Dir::Down, true); // anode on the ground rail
        d.dot(150, top);
        diode(d, 150, top, 90, Dir::Right);
        d.capacitor(240, top, ground - top, Dir::Down);
        d.dot(240, top);
        d.wire(240, top, 287, top);
        d.wire(40, ground, 287, ground);
        d.dot(150, ground);
        d.dot(240, ground);
        d.ground(100, ground);
        d.terminal(290, top);
        d.terminal(290, ground);
        sign(305, top, "+");
        sign(305, ground, "-");
        d.slot("Label7", 58, 151, 60, 18);

        // Negative free: the source between the diodes' junction and the
        // capacitors' midpoint.
        d.slot("Label6", 340, 2, 320, 56, SlotAlign::Centre);
        const double plus = 80, minus = 220, mid = 150, xd = 430, xc = 560;
        diode(d, xd, plus, mid - plus, Dir::Down, true); // anode at the junction
        diode(d, xd, mid, minus - mid, Dir::Down, true); // anode on the negative rail
        d.capacitor(xc, plus, mid - plus, Dir::Down);
        d.capacitor(xc, mid, minus - mid, Dir::Down);
        d.generator(xd, mid, xc - xd, Dir::Right);
        d.dot(xd, mid);
        d.dot(xc, mid);
        d.wire(xd, plus, 617, plus);
        d.wire(xd, minus, 617, minus);
        d.dot(xc, plus);
        d.dot(xc, minus);
        d.terminal(620, plus);
        d.terminal(620, minus);
        sign(635, plus, "+");
        sign(635, minus, "-");
        d.slot("Label8", 465, 168, 60, 18, SlotAlign::Centre);
    }

    void compute() {
        // The results stay while the inputs change; a refused or failed
        // computation takes away those of the previous one, which no longer
        // belong to the inputs shown.
        blank({"lblvcc", "lblcap"});
        V = num("txtvolt");
        I = num("txtassorbimento");
        f = num("txtfrequenza");
        if (V * I <= 0) return missingData("txtvolt");
        vdc = formatFixed(V * 1.41 * 2, 1);
        caption("lblvcc", "LA TENSIONE CONTINUA E' " + vdc + " VOLT A VUOTO");
        // µF, from the direct voltage as shown: one that shows 0,0 (an input
        // below about 0.018 V) divides by zero, an arithmetic fault.
        C = (40000 / f) / (parseLocale(vdc) / I);
        if (C >= 1)
            caption("lblcap", "LA CAPACITA' MINIMA E' " + formatFixed(C, 1) + " microFARAD");
        else
            caption("lblcap", "LA CAPACITA' MINIMA E' " + formatFixed(C * 1000, 3) + " nanoFARAD");
    }

    double V = 0, I = 0, f = 0; // volts, mA, Hz
    std::string vdc;            // volts, as shown
    double C = 0;               // µF
};

ETERO_FORM(Duplicatori, "frmduplicatori");

} // namespace

} // namespace etero::acvoltage
