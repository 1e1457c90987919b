#include "network.h"

#include <algorithm>

namespace etero::circuits {

void drawElement(Drawing& d, Element e, double x, double y, double length, Dir dir) {
    switch (e) {
    case Element::Resistor:
        d.resistor(x, y, length, dir);
        break;
    case Element::Capacitor:
        d.capacitor(x, y, length, dir);
        break;
    case Element::Inductor:
        d.inductor(x, y, length, dir);
        break;
    }
}

bool NetworkForm::required(double product, const std::string& focusField) {
    if (product == 0) {
        missingData(focusField);
        return false;
    }
    return product > 0;
}

void NetworkForm::seriesParallel(Element a, Element b,
                                 const std::vector<std::string>& seriesResults,
                                 const std::vector<std::string>& parallelResults,
                                 const std::vector<std::string>& below) {
    label("Label4", "CONFIGURAZIONE SERIE").as(Role::OnDrawing).font(0, true);
    label("Label5", "CONFIGURAZIONE PARALLELO").as(Role::OnDrawing).font(0, true);

    // Two columns, the result places under each schematic (room for a
    // result to wrap onto a second line), the full-width results under both.
    const double col = 280, resultsTop = 140, rowHeight = 38, belowHeight = 20;
    const std::size_t rows = std::max(seriesResults.size(), parallelResults.size());
    const double columnsEnd = resultsTop + rowHeight * static_cast<double>(rows);
    const double belowTop = columnsEnd + 6;
    Drawing& d = drawing(2 * col, below.empty()
                                      ? columnsEnd
                                      : belowTop + belowHeight * static_cast<double>(below.size()));
    d.slot("Label4", 5, 2, col - 10, 18, SlotAlign::Centre);
    d.slot("Label5", col + 5, 2, col - 10, 18, SlotAlign::Centre);
    d.line(col, 0, col, columnsEnd).dashed = true;

    // Series: a and b end to end between two terminals, centred in the left column.
    const double sy = 85, sx = col / 2 - 80;
    d.terminal(sx - 3, sy);
    drawElement(d, a, sx, sy, 80, Dir::Right);
    drawElement(d, b, sx + 80, sy, 80, Dir::Right);
    d.terminal(sx + 163, sy);

    // Parallel: a and b across two rails fed from two terminals.
    const double top = 45, bottom = 125, xin = col + 70, xa = col + 150, xb = col + 230;
    d.terminal(xin - 3, top);
    d.terminal(xin - 3, bottom);
    d.line(xin, top, xb, top);
    d.line(xin, bottom, xb, bottom);
    drawElement(d, a, xa, top, bottom - top, Dir::Down);
    drawElement(d, b, xb, top, bottom - top, Dir::Down);
    d.dot(xa, top);
    d.dot(xa, bottom);

    for (std::size_t i = 0; i < seriesResults.size(); ++i) {
        control(seriesResults[i]).as(Role::OnDrawing);
        d.slot(seriesResults[i], 5, resultsTop + rowHeight * i, col - 10, rowHeight - 2,
               SlotAlign::Centre);
    }
    for (std::size_t i = 0; i < parallelResults.size(); ++i) {
        control(parallelResults[i]).as(Role::OnDrawing);
        d.slot(parallelResults[i], col + 5, resultsTop + rowHeight * i, col - 10, rowHeight - 2,
               SlotAlign::Centre);
    }
    for (std::size_t i = 0; i < below.size(); ++i) {
        control(below[i]).as(Role::OnDrawing);
        d.slot(below[i], 10, belowTop + belowHeight * i, 2 * col - 20, 18, SlotAlign::Centre);
    }
}

void NetworkForm::generatorCircuit(bool parallel, const std::string& generatorLabel) {
    label(generatorLabel, "generatore").as(Role::OnDrawing);
    control("lblvc").as(Role::OnDrawing);
    control("lblvl").as(Role::OnDrawing);
    if (parallel) {
        // Generator, capacitor and inductor across the same two rails.
        Drawing& d = drawing(390, 140);
        const double top = 20, bottom = 120, xg = 90, xc = 190, xl = 300;
        d.generator(xg, top, bottom - top, Dir::Down);
        d.line(xg, top, xl, top);
        d.line(xg, bottom, xl, bottom);
        d.capacitor(xc, top, bottom - top, Dir::Down);
        d.inductor(xl, top, bottom - top, Dir::Down);
        d.dot(xc, top);
        d.dot(xc, bottom);
        d.slot(generatorLabel, 0, 61, 72, 18, SlotAlign::Right);
        d.slot("lblvc", xc + 14, 61, 90, 18);
        d.slot("lblvl", xl + 18, 61, 72, 18);
    } else {
        // Generator, capacitor and inductor in one loop, the labels of the
        // capacitor and the inductor above them.
        Drawing& d = drawing(390, 160);
        const double top = 50, bottom = 140, xg = 90, right = 370;
        d.generator(xg, top, bottom - top, Dir::Down);
        d.line(xg, top, 130, top);
        d.capacitor(130, top, 100, Dir::Right);
        d.inductor(230, top, 110, Dir::Right);
        d.line(340, top, right, top);
        d.line(right, top, right, bottom);
        d.line(right, bottom, xg, bottom);
        d.slot(generatorLabel, 0, 86, 72, 18, SlotAlign::Right);
        d.slot("lblvc", 130, 10, 100, 18, SlotAlign::Centre);
        d.slot("lblvl", 235, 10, 100, 18, SlotAlign::Centre);
    }
}

void NetworkForm::coilDesignerBeside(int left, int top) {
    openBeside("frmbobine", left, top, 4100, 2800);
}

void NetworkForm::coilDesigner() {
    openForm("frmbobine", Mode::Modeless);
}

} // namespace etero::circuits
