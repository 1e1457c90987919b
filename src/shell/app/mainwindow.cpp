#include "mainwindow.h"

namespace etero {

void MainWindow::design() {
    window("ETEROMETRO    -   IL VOLTARIO");
    windowPlace(1500, 1200, 8640, 6480);
    picture("Image1", "radio");
    label("lbltitolo", "ETEROMETRO")
        .color(kRed)
        .font(20, true)
        .tip("clicca per fermare")
        .as(Role::Title);
    label("LBLVERSIONE", " vers. 2.19").color(kBlue).tip("maggio 2002");
    label("lblrisoluzione", "RISOLUZIONE 1280 x 1024");
    command("cdmexit", "", [this] { close(); }).tip("CHIUDI TUTTO").picture = "exit";
    timer("Timer1");
    // A click on the title stops the blinking for the rest of the run.
    onClick("lbltitolo", [this] { enable("Timer1", false); });
}

void MainWindow::tick() {
    if (!blinking()) return;
    forecolor("lbltitolo", control("lbltitolo").forecolor == kRed ? kBlue : kRed);
}

} // namespace etero
