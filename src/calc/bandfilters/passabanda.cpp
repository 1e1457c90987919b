// The band-pass page: a band-pass filter is a high-pass section followed by
// a low-pass one, so the page explains how to choose their cut-off
// frequencies and sends the user to either designer.
#include "shell/app/registry.h"

namespace etero::bandfilters {

namespace {

class PassaBanda : public Form {
  public:
    PassaBanda() : Form("frmpassabanda") {}

  protected:
    void design() override {
        window("FILTRI PASSA BANDA");
        label("Label1",
              "Il filtro passa banda è costituito da un filtro passa alto collegato ad un filtro "
              "passa basso e, pertanto, si rimanda ai rispettivi procedimenti di calcolo. NOTA: la "
              "frequenza di taglio del filtro passa alto corrisponderà alla  più bassa frequenza "
              "che si intende non attenuare, mentre la frequenza di taglio del filtro passa basso "
              "corrisponderà alla più alta frequenza che si intende non attenuare.");
        command("Command1", "vai ai filtri passa basso", [this] { goTo("frmpassabasso"); });
        command("Command2", "vai ai filtri passa alto", [this] { goTo("frmpassaalto"); });
        closeCommand("Command3", "CHIUDI");
    }

  private:
    // The page gives way to the designer. The designer is opened before the
    // page is unloaded: with the main window already closed, unloading the
    // page first would leave no window open and end the program.
    void goTo(const std::string& designer) {
        openForm(designer, Mode::Modeless);
        close();
    }
};

ETERO_FORM(PassaBanda, "frmpassabanda");

} // namespace

} // namespace etero::bandfilters
