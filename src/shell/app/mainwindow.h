// The main window FRMETEROMETRO: the picture, the blinking title, the version
// and resolution labels and the close button. The menu bar is the catalogue.
#pragma once

#include "shell/form/form.h"

namespace etero {

class MainWindow : public Form {
  public:
    MainWindow() : Form("FRMETEROMETRO") {}
    // One tick of Timer1: red becomes blue, any other colour becomes red.
    void tick();
    bool blinking() const { return hasControl("Timer1") && control("Timer1").enabled; }

  protected:
    void design() override;
};

} // namespace etero
