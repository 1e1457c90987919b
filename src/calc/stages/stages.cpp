#include "stages.h"

#include "shell/number/number.h"

#include <array>

namespace etero::stages {

namespace {

// Band (W), R (Ω), C on the input side and on the collector side (pF), from
// the top row down. The bottom row's lower end depends on the form.
constexpr std::array<PowerClass, 21> kLarge{{
    {91, 100, 0.8, 1400, 900},   {85.1, 90, 1, 1300, 800},    {75.1, 85, 1.1, 1200, 700},
    {65.1, 75, 1.2, 1100, 650},  {55.1, 65, 1.3, 1000, 600},  {47.6, 55, 1.4, 950, 550},
    {42.6, 47.5, 1.5, 900, 500}, {37.5, 42.5, 1.6, 850, 450}, {32.6, 37.5, 1.7, 800, 400},
    {27.6, 32.5, 1.8, 750, 350}, {22.6, 27.5, 2, 700, 320},   {17.6, 22.5, 2.5, 650, 300},
    {12.6, 17.5, 3, 600, 280},   {9.6, 12.5, 4, 550, 250},    {8.6, 9.5, 5, 500, 220},
    {7.6, 8.5, 7, 450, 200},     {6.6, 7.5, 8, 400, 180},     {5.6, 6.5, 9, 350, 150},
    {4.6, 5.5, 10, 300, 120},    {3.6, 4.5, 15, 250, 100},    {3, 3.5, 20, 200, 80},
}};

constexpr std::array<SmallClass, 4> kSmall{{
    {2.51, 3, 20, 200},
    {1.51, 2.5, 30, 150},
    {0.51, 1.5, 40, 100},
    {0.4, 0.5, 50, 60},
}};

} // namespace

const PowerClass* largeTransistor(double P, double bottom) {
    for (std::size_t i = 0; i < kLarge.size(); ++i) {
        const double low = i + 1 == kLarge.size() ? bottom : kLarge[i].low;
        if (P >= low && P <= kLarge[i].high) return &kLarge[i];
    }
    return nullptr;
}

const SmallClass* smallTransistor(double P) {
    for (const SmallClass& row : kSmall)
        if (P >= row.low && P <= row.high) return &row;
    return nullptr;
}

// 6.28 stands for 2π throughout.
SeriesEquivalent seriesEquivalent(double R, double C, double f) {
    const double Xc = 1000000 / (6.28 * f * C);
    const double ratio = R / Xc;
    const double Rs = R / (ratio * ratio + 1);
    return {Rs, R * Rs / Xc};
}

Coupling coupling(double XL, double X1, double X2, double f) {
    return {XL / (6.28 * f), 1000000 / (6.28 * f * X1), 1000000 / (6.28 * f * X2)};
}

Leads npn(Drawing& d, double x, double y) {
    const double r = 20;
    d.ellipse(x - r, y - r, 2 * r, 2 * r).penWidth = 1.2;
    d.line(x - 32, y, x - 8, y);
    d.line(x - 8, y - 12, x - 8, y + 12).penWidth = 2.5;
    d.line(x - 8, y - 5, x + 8, y - 15);
    d.line(x + 8, y - 15, x + 8, y - 32);
    d.line(x - 8, y + 5, x + 8, y + 15);
    d.line(x + 8, y + 15, x + 8, y + 32);
    // The emitter's arrow, pointing out of the transistor.
    Shape& arrow = d.polyline({x + 8, y + 15, x - 1, y + 14, x + 3, y + 8});
    arrow.filled = true;
    arrow.penWidth = 1;
    return {x - 32, y, x + 8, y - 32, x + 8, y + 32};
}

void coaxSocket(Drawing& d, double x, double y) {
    d.ellipse(x - 10, y - 10, 20, 20);
    d.dot(x, y);
    d.ground(x, y + 10);
}

void StageForm::networkLabels(std::string coil, std::string c1, std::string c2) {
    label("lblbobina", std::move(coil)).as(Role::OnDrawing);
    label("lblc1", std::move(c1)).as(Role::OnDrawing);
    label("lblc2", std::move(c2)).as(Role::OnDrawing);
}

void StageForm::chokeToSupply(Drawing& d, double x, double y, double top,
                              const std::string& chokeLabel) {
    d.text(x, top - 10, "+ Vcc", 8, Anchor::CentredOn).bold = true;
    d.line(x, top - 2, x, top + 4);
    d.inductor(x, top + 4, y - top - 4, Dir::Down, 3);
    if (chokeLabel.empty())
        d.text(x - 10, (top + y) / 2, "JAF", 8, Anchor::EndsAt);
    else
        d.slot(chokeLabel, x - 90, (top + y) / 2 - 9, 80, 18, SlotAlign::Right);
}

Drawing& StageForm::networkToBase(const std::string& transistor) {
    Drawing& d = drawing(500, 220);
    d.line(60, kRail, 90, kRail);
    d.capacitor(90, kRail, 80, Dir::Right);
    d.line(170, kRail, 240, kRail);
    d.dot(200, kRail);
    d.capacitor(200, kRail, kGround - kRail, Dir::Down);
    d.ground(200, kGround);
    d.inductor(240, kRail, 110, Dir::Right);
    const Leads t = npn(d, 412, kRail);
    d.line(350, kRail, t.baseX, t.baseY);
    chokeToSupply(d, t.collectorX, t.collectorY, 22);
    d.ground(t.emitterX, t.emitterY);
    d.text(t.emitterX, 170, transistor, 8, Anchor::CentredOn);
    d.slot("lblc1", 70, 62, 120, 18, SlotAlign::Centre);
    d.slot("lblc2", 218, 126, 110, 18);
    d.slot("lblbobina", 235, 62, 120, 18, SlotAlign::Centre);
    return d;
}

void StageForm::showCoupling(const Coupling& n, int coilDecimals, const std::string& coilUnit) {
    caption("lblbobina", formatFixed(n.L, coilDecimals) + coilUnit);
    caption("lblc1", formatFixed(n.C1, -1) + " pF");
    caption("lblc2", formatFixed(n.C2, -1) + " pF");
}

void StageForm::coilDesigner() {
    moveForm("frmbobine", 4100, 2800);
    openForm("frmbobine", Mode::Modeless);
}

} // namespace etero::stages
