// How to find the internal resistance of a sensitive meter without its
// ohmmeter: bring it to full scale through a 100 kΩ potentiometer from a
// 3 V cell, then shunt it with a 1 kΩ potentiometer to half scale; that
// potentiometer then equals the meter's resistance.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class ResistStrumento : public Page {
  public:
    ResistStrumento() : Page("frmresiststrumento") {}

  protected:
    void design() override {
        window("INDIVIDUAZIONE DELLA RESISTENZA INTERNA DI UNO STRUMENTO");
        Drawing& d = drawing(800, 300);
        on(d, "Label1",
           "E' SCONSIGLIABILE USARE L'OHOMETRO DEL MULTIMETRO PER MISURARE LA RESISTENZA "
           "INTERNA DI STRUMENTI MOLTO SENSIBILI PERCHE'  SI CORRE IL RISCHIO DI FAR  SCORRERE "
           "UNA CORRENTE ECCESSIVA TALE DA PROVOCARE UN VIOLENTO FONDO SCALA E POSSIBILE "
           "DISTRUZIONE DELLO STRUMENTO STESSO",
           8, 8, 340, 130)
            .color(kRed);
        circuit(d, 370, 20);
        on(d, "Label7",
           "COLLEGARE IL POTENZIOMETRO DA 100 K OHM E TARARE LO STRUMENTO PER IL FONDO SCALA. "
           "POI COLLEGARE IL POTENZIOMETRO DA 1 K OHM E MANDARE LO STRUMENTO ESATTAMENTE A "
           "META'  SCALA. LA RESISTENZA MISURATA SU QUEST'ULTIMO POTENZIOMETRO SARA' UGUALE A "
           "QUELLA INTERNA DELLO STRUMENTO",
           8, 156, 340, 130);
        closeCommand("Command1", "C H I U D I");
    }

  private:
    // The cell on the left, the 100 kΩ potentiometer in series along the
    // top, the meter on the right and the 1 kΩ potentiometer across it, each
    // potentiometer behind its own switch.
    void circuit(Drawing& d, double x0, double y0) {
        const double left = x0 + 50, top = y0 + 50, bottom = y0 + 230, mx = x0 + 280, px = x0 + 350;
        // The 3 V cell: long plate positive, on top.
        d.line(left, top, left, y0 + 120);
        d.line(left - 16, y0 + 120, left + 16, y0 + 120).penWidth = 2;
        d.line(left - 8, y0 + 128, left + 8, y0 + 128).penWidth = 3;
        d.line(left - 16, y0 + 136, left + 16, y0 + 136).penWidth = 2;
        d.line(left - 8, y0 + 144, left + 8, y0 + 144).penWidth = 3;
        d.line(left, y0 + 144, left, bottom);
        d.text(left + 22, y0 + 114, "+", 8);
        on(d, "Label2", "3 Volt", x0 - 16, y0 + 160, 60, 20, SlotAlign::Right);
        // First switch, then the 100 kΩ potentiometer, along the top.
        d.line(left, top, x0 + 80, top);
        toggle(d, x0 + 80, top, Dir::Right);
        on(d, "Label3", "NC", x0 + 80, top + 6, 40, 18, SlotAlign::Centre);
        potentiometer(d, x0 + 120, top, 120, Dir::Right);
        on(d, "Label4", "100 K ohm", x0 + 120, y0 + 10, 120, 18, SlotAlign::Centre);
        d.line(x0 + 240, top, px, top);
        d.dot(mx, top);
        // The meter, and the bottom return to the cell.
        d.line(mx, top, mx, y0 + 110);
        meter(d, mx, y0 + 140, 30, "µA");
        d.line(mx, y0 + 170, mx, bottom);
        d.line(left, bottom, px, bottom);
        d.dot(mx, bottom);
        // Across the meter: second switch and the 1 kΩ potentiometer.
        toggle(d, px, top, Dir::Down);
        on(d, "Label5", "NC", px - 44, top + 10, 36, 18, SlotAlign::Right);
        potentiometer(d, px, top + 40, 110, Dir::Down);
        on(d, "Label6", "1 K ohm", px + 20, top + 86, 60, 18);
        d.line(px, top + 150, px, bottom);
    }

    // A switch with its lever lifted, 40 pixels long.
    static void toggle(Drawing& d, double x, double y, Dir dir) {
        if (dir == Dir::Right) {
            d.terminal(x + 4, y);
            d.terminal(x + 36, y);
            d.line(x + 6, y - 2, x + 34, y - 14);
        } else {
            d.terminal(x, y + 4);
            d.terminal(x, y + 36);
            d.line(x + 2, y + 6, x + 14, y + 34);
        }
    }

    // A variable resistor: the resistor with an arrow across it.
    static void potentiometer(Drawing& d, double x, double y, double length, Dir dir) {
        d.resistor(x, y, length, dir);
        const double mx = dir == Dir::Right ? x + length / 2 : x,
                     my = dir == Dir::Right ? y : y + length / 2;
        d.line(mx - 16, my + 14, mx + 16, my - 14).penWidth = 1;
        d.polyline({mx + 8, my - 13, mx + 16, my - 14, mx + 14, my - 6}).penWidth = 1;
    }
};

ETERO_FORM(ResistStrumento, "frmresiststrumento");

} // namespace

} // namespace etero::pages
