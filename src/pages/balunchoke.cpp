// The choke balun: why a coaxial feeder radiates when the antenna is not
// balanced, and how many turns of the cable itself stop it, band by band.
#include "pages.h"
#include "shell/app/registry.h"

namespace etero::pages {

namespace {

class BalunChoke : public Page {
  public:
    BalunChoke() : Page("frmbalunchoke") {}

  protected:
    void design() override {
        window("BALUN  CHOKE");
        layoutInTwips();
        label("Label1",
              "Normalmente in un cavo coassiale le correnti dovrebbero scorrere in "
              "opposizione di fase lungo il conduttore centrale e la superficie interna "
              "della calza. In condizioni di mancato bilanciamento (frequenti in pratica) "
              "si viene a creare una corrente che interessa la superficie esterna della "
              "calza con irradiazione di segnale e produzione di TVI.")
            .at(360, 240, 9000, 780);
        label("Label2",
              "Il rimedio più semplice per tentare di bloccare questa corrente indesiderata, "
              "consiste nel realizzare - nel punto di alimentazione dell'antenna - una bobina "
              "avvolgendo strettamente alcune spire costituite dallo stesso cavo coassiale. "
              "Premesso che l'efficienza diminuisce nelle bande basse, seguono i dati consigliati "
              "da un'associazione di radioamatori.")
            .at(360, 1140, 9000, 780);
        const int bottom = table(
            3, 360, 2160, 9000,
            "BANDA              RG 58   mt.      spire                  RG 213   mt.  "
            "      spire",
            {
                "80                 6                6-8                    6,7                 8",
                "40                 4,5              6                      6,7                 10",
                "20                 2,7              8                      3                   4",
                "15                 1,8              8                      2,7                 "
                "6-8",
                "10                 1,2              6-8                    1,8                 "
                "6-8",
            });
        label("Label9", "PER UN LARGA BANDA DA 80 A 10 MT CIRCA  7 SPIRE CON 3 MT")
            .as(Role::Title)
            .at(360, bottom + 240, 9000, 300);
        closeCommand("cmdesci", "C H I U D I").at(7860, bottom + 840, 1500, 435);
    }
};

ETERO_FORM(BalunChoke, "frmbalunchoke");

} // namespace

} // namespace etero::pages
