// The coaxial cable catalogue page: a cable picked from the list shows its
// eight characteristics, each under its heading. Nothing is computed.
#include "data/cables.h"
#include "shell/app/registry.h"
#include "shell/form/form.h"

#include <string>
#include <vector>

namespace etero {

namespace {

class CaviRG : public Form {
  public:
    CaviRG() : Form("frmcaviRG") {}

  protected:
    void design() override {
        window("CARATTERISTICHE DEI CAVI COASSIALI PER RADIOFREQUENZA  -  SERIE RG/U");
        label("Label9", "SELEZIONA UN TIPO DI CAVO").as(Role::Title);
        combo("Combo1").initial("CAVI RG").tip("cliccare e selezionare");
        heading("label1", "IMPEDENZA in Ohm", "lbl1");
        heading("label2", "CAPACITA'  in  pF/metro", "lbl2");
        heading("label3", "DIAMETRO ESTERNO ", "lbl3");
        heading("label4", "PERDITA dB per 100 mt a 100 Mc", "lbl4");
        heading("label5", "PERDITA dB per 100 mt a 400 Mc", "lbl5");
        heading("label6", "TENSIONE MAX in kV", "lbl6");
        heading("label7", "WATT MASSIMI a 100 MHz", "lbl7");
        heading("Label8", "FATTORE DI VELOCITA'", "lbl8");
        closeCommand("cmdchiudi", "C H I U D I");

        onSelect("Combo1", [this] { showCable(); });
    }

    // The list in catalogue order, nothing chosen: the box shows its prompt.
    void load() override {
        std::vector<std::string> names;
        for (const data::Cable& c : data::coaxCables())
            names.push_back(c.name);
        listItems("Combo1", std::move(names));
    }

  private:
    void heading(const std::string& name, const std::string& text, const std::string& result) {
        label(name, text).as(Role::Caption);
        this->result(result);
    }

    // The list's text names the cable; a text that is no entry changes nothing.
    void showCable() {
        const data::Cable* cable = data::findCable(text("Combo1"));
        if (!cable) return;
        for (int i = 0; i < data::kCableColumns; ++i)
            caption("lbl" + std::to_string(i + 1), cable->columns[static_cast<std::size_t>(i)]);
    }
};

ETERO_FORM(CaviRG, "frmcaviRG");

} // namespace

} // namespace etero
