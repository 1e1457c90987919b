// Seven ways of rectifying the alternating voltage of a transformer with a
// 10 + 10 V secondary, drawn in black and white as one picture: half wave,
// full wave on the centre tap, bridge, bridge with the centre tap (two
// voltages), bridge with the centre tap grounded (a dual supply), and the
// half-wave and full-wave voltage doublers.
#include "pages.h"
#include "shell/app/registry.h"

#include <functional>
#include <string>

namespace etero::pages {

namespace {

// One circuit in its cell of 258 × 369 pixels. Every circuit shares the
// same frame: the transformer on the left with its secondary's ends T
// (top), C (centre tap) and B (bottom), the positive rail along the top,
// the negative rail along the bottom, the outputs on the right.
class Cell {
  public:
    Cell(Drawing& d, double x, double y) : d_(d), x_(x), y_(y) {}

    static constexpr double T = 130, C = 185, B = 240, plus = 70, minus = 300, out = 212;
    static constexpr double winding = 78;

    void line(double x1, double y1, double x2, double y2) {
        d_.line(x_ + x1, y_ + y1, x_ + x2, y_ + y2);
    }
    void path(std::initializer_list<double> points) {
        std::vector<double> p(points);
        for (std::size_t i = 0; i < p.size(); ++i)
            p[i] += i % 2 == 0 ? x_ : y_;
        d_.polyline(std::move(p));
    }
    void dot(double x, double y) { d_.dot(x_ + x, y_ + y); }
    void terminal(double x, double y) { d_.terminal(x_ + x, y_ + y); }
    // A diode up the column at x from `from` to `to` (to above from).
    void diodeUp(double x, double from, double to) {
        diode(d_, x_ + x, y_ + to, from - to, Dir::Down, true);
    }
    // Two diodes up the column at x from the negative rail to the positive
    // one, joined at the height of the centre tap.
    void diodeColumn(double x) {
        diodeUp(x, minus, C);
        diodeUp(x, C, plus);
        dot(x, C);
    }
    // An electrolytic down the column at x from `top` (positive) to `bottom`.
    void capacitor(double x, double top, double bottom) {
        electrolytic(d_, x_ + x, y_ + top, bottom - top, Dir::Down, true);
    }
    void text(double x, double y, const std::string& s, double points = 8,
              Anchor align = Anchor::CentredOn, bool bold = false) {
        d_.text(x_ + x, y_ + y, s, points, align).bold = bold;
    }
    Drawing& drawing() { return d_; }
    double x() const { return x_; }
    double y() const { return y_; }

    // The cell's frame, its title and the transformer with its secondary.
    void transformer(const std::string& title) {
        Shape& frame = d_.rect(x_ + 4, y_ + 4, 250, 361);
        frame.penWidth = 1;
        text(129, 24, title, 8, Anchor::CentredOn, true);
        winding_(34, T, B - T, 6, true);
        line(12, T, 34, T);
        line(12, B, 34, B);
        terminal(9, T);
        terminal(9, B);
        d_.line(x_ + 54, y_ + T - 14, x_ + 54, y_ + B + 14).penWidth = 2.5;
        d_.line(x_ + 60, y_ + T - 14, x_ + 60, y_ + B + 14).penWidth = 2.5;
        winding_(winding, T, C - T, 3, false);
        winding_(winding, C, B - C, 3, false);
        dot(winding, C);
        text(40, B + 30, "10 + 10 V", 8);
    }
    // Output terminals on the right with their voltage between them.
    void output(double top, double bottom, const std::string& volts) {
        terminal(out, top);
        terminal(out, bottom);
        text(out + 6, (top + bottom) / 2, volts, 8, Anchor::StartsAt, true);
    }
    void polarity(double y, const std::string& sign) {
        text(out + 12, y, sign, 9, Anchor::CentredOn, true);
    }
    // The reservoir electrolytic across the rails at x, joined to both.
    void reservoir(double x) {
        capacitor(x, plus, minus);
        dot(x, plus);
        dot(x, minus);
    }
    // The outputs across the rails: the voltage between them, + and - beside.
    void railOutput(const std::string& volts) {
        output(plus, minus, volts);
        polarity(plus - 14, "+");
        polarity(minus + 14, "-");
    }

  private:
    void winding_(double x, double top, double length, int turns, bool right) {
        pages::winding(d_, x_ + x, y_ + top, length, turns, right);
    }
    Drawing& d_;
    double x_, y_;
};

using Circuit = std::function<void(Cell&)>;

void halfWave(Cell& c) {
    c.transformer("SEMIONDA");
    c.path({Cell::winding, Cell::T, 110, Cell::T});
    c.diodeUp(110, Cell::T, Cell::plus);
    c.line(110, Cell::plus, Cell::out, Cell::plus);
    c.path({Cell::winding, Cell::B, Cell::winding, Cell::minus, Cell::out, Cell::minus});
    c.reservoir(180);
    c.railOutput("20 V");
}

void fullWave(Cell& c) {
    c.transformer("ONDA INTERA");
    c.path({Cell::winding, Cell::T, 110, Cell::T});
    c.diodeUp(110, Cell::T, Cell::plus);
    c.path({Cell::winding, Cell::B, 145, Cell::B});
    c.diodeUp(145, Cell::B, Cell::plus);
    c.line(110, Cell::plus, Cell::out, Cell::plus);
    c.dot(145, Cell::plus);
    c.path({Cell::winding, Cell::C, 94, Cell::C, 94, Cell::minus, Cell::out, Cell::minus});
    c.reservoir(180);
    c.railOutput("10 V");
}

// Four diodes in two columns between the rails; T feeds the first column's
// middle, B the second's, passing under the first column's lower diode.
void bridge(Cell& c) {
    for (double x : {110.0, 145.0})
        c.diodeColumn(x);
    c.path({Cell::winding, Cell::T, 96, Cell::T, 96, Cell::C, 110, Cell::C});
    c.path({Cell::winding, Cell::B, Cell::winding, 276, 128, 276, 128, Cell::C, 145, Cell::C});
    c.line(110, Cell::plus, Cell::out, Cell::plus);
    c.line(110, Cell::minus, Cell::out, Cell::minus);
    c.dot(145, Cell::plus);
    c.dot(145, Cell::minus);
}

void bridgeOnly(Cell& c) {
    c.transformer("A PONTE");
    bridge(c);
    c.reservoir(180);
    c.railOutput("20 V");
}

// The centre tap brought to a third output, under the negative rail and up
// the right side.
void centreTap(Cell& c) {
    c.path(
        {Cell::winding, Cell::C, 88, Cell::C, 88, 330, 198, 330, 198, Cell::C, Cell::out, Cell::C});
    c.terminal(Cell::out, Cell::C);
}

void bridgeWithTap(Cell& c) {
    c.transformer("PONTE CON PRESA CENTRALE");
    bridge(c);
    centreTap(c);
    c.reservoir(175);
    // Both voltages measured from the negative rail.
    c.output(Cell::plus, Cell::minus, "");
    c.text(Cell::out + 6, Cell::plus + 18, "+ 20 V", 8, Anchor::StartsAt, true);
    c.text(Cell::out + 6, Cell::C + 18, "+ 10 V", 8, Anchor::StartsAt, true);
    c.polarity(Cell::minus + 14, "-");
}

void dualSupply(Cell& c) {
    c.transformer("PONTE CON PRESA CENTRALE A MASSA");
    bridge(c);
    centreTap(c);
    c.capacitor(175, Cell::plus, Cell::C);
    c.capacitor(175, Cell::C, Cell::minus);
    for (double y : {Cell::plus, Cell::C, Cell::minus})
        c.dot(175, y);
    c.line(175, Cell::C, 198, Cell::C);
    c.dot(198, Cell::C);
    c.output(Cell::plus, Cell::minus, "");
    Drawing& d = c.drawing();
    d.ground(c.x() + Cell::out + 16, c.y() + Cell::C);
    d.line(c.x() + Cell::out + 3, c.y() + Cell::C, c.x() + Cell::out + 16, c.y() + Cell::C);
    c.text(Cell::out + 6, Cell::plus + 18, "+ 10 V", 8, Anchor::StartsAt, true);
    c.text(Cell::out + 6, Cell::minus - 18, "- 10 V", 8, Anchor::StartsAt, true);
}

void halfWaveDoubler(Cell& c) {
    c.transformer("DUPLICATORE A SEMIONDA");
    c.path({Cell::winding, Cell::T, 92, Cell::T});
    electrolytic(c.drawing(), c.x() + 92, c.y() + Cell::T, 58, Dir::Right, false);
    c.dot(150, Cell::T);
    c.diodeUp(150, Cell::minus, Cell::T);
    c.diodeUp(150, Cell::T, Cell::plus);
    c.line(150, Cell::plus, Cell::out, Cell::plus);
    c.path({Cell::winding, Cell::B, Cell::winding, Cell::minus, Cell::out, Cell::minus});
    c.dot(150, Cell::minus);
    c.reservoir(185);
    c.railOutput("40 V");
}

void fullWaveDoubler(Cell& c) {
    c.transformer("DUPLICATORE AD ONDA INTERA");
    c.diodeColumn(110);
    c.path({Cell::winding, Cell::T, 96, Cell::T, 96, Cell::C, 110, Cell::C});
    c.capacitor(170, Cell::plus, Cell::C);
    c.capacitor(170, Cell::C, Cell::minus);
    c.dot(170, Cell::C);
    c.path({Cell::winding, Cell::B, Cell::winding, 276, 140, 276, 140, Cell::C, 170, Cell::C});
    c.line(110, Cell::plus, Cell::out, Cell::plus);
    c.line(110, Cell::minus, Cell::out, Cell::minus);
    c.dot(170, Cell::plus);
    c.dot(170, Cell::minus);
    c.railOutput("40 V");
}

// The seven circuits, four on the first row and three centred on the second.
Drawing rectifiers() {
    Drawing d(1035, 738);
    const std::array<Circuit, 7> circuits{halfWave,       fullWave,   bridgeOnly,
                                          bridgeWithTap,  dualSupply, halfWaveDoubler,
                                          fullWaveDoubler};
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        const double x =
            i < 4 ? 258.75 * static_cast<double>(i) : 129.4 + 258.75 * static_cast<double>(i - 4);
        const double y = i < 4 ? 0 : 369;
        Cell cell(d, x, y);
        circuits[i](cell);
    }
    return d;
}

class Rettificatori : public Page {
  public:
    Rettificatori() : Page("frmrettificatori") {}

  protected:
    void design() override {
        window("POSSIBILI ESEMPI DI CIRCUITI RETTIFICATORI  PER CORRENTE ALTERNATA");
        layoutInTwips();
        picture("Picture1", rectifiers()).at(120, 120, 1035 * kTwipsPerPixel, 738 * kTwipsPerPixel);
        closeCommand("cmdchiudi", "C H I U D I").at(13800, 11340, 1500, 435);
    }
};

ETERO_FORM(Rettificatori, "frmrettificatori");

} // namespace

} // namespace etero::pages
