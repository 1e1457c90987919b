// The compiled-in catalogues of commercial toroidal cores: the iron-powder
// T series and the ferrite FT series. Each is a list in drop-down order
// (name and inductance factor AL), the size group of each position and the
// colour code or material of each mix. Read-only, shared by every form that
// lets the user pick a core.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace etero::data {

struct ToroidCore {
    std::string name; // as shown in the drop-down: "T-50/ 2", "FT 37-43"
    double al;        // T: microhenry per 100 turns; FT: millihenry per 1000 turns
};

// Consecutive list positions that share one outer diameter and height.
struct ToroidSize {
    int first, last;
    const char* caption;
};

// A mix (iron powder) or material (ferrite) and the text that describes it.
// A key of digits is compared as a number, any other key as text.
struct ToroidMix {
    const char* key;
    const char* text;
};

class ToroidCatalogue {
  public:
    ToroidCatalogue(std::vector<ToroidCore> cores, std::vector<ToroidSize> sizes,
                    std::vector<ToroidMix> mixes);

    const std::vector<ToroidCore>& cores() const { return cores_; }
    int count() const { return static_cast<int>(cores_.size()); }
    // The names in list order, to fill a drop-down.
    std::vector<std::string> names() const;
    // The entry at a list position; std::out_of_range outside the list.
    const ToroidCore& core(int position) const;
    // The size caption of a position, none when the position is in no group.
    std::optional<std::string> sizeCaption(int position) const;
    // The mix or material text for a mix key, none when the key is not listed.
    std::optional<std::string> mixCaption(const std::string& key) const;
    const std::vector<ToroidSize>& sizes() const { return sizes_; }
    const std::vector<ToroidMix>& mixes() const { return mixes_; }

  private:
    std::vector<ToroidCore> cores_;
    std::vector<ToroidSize> sizes_;
    std::vector<ToroidMix> mixes_;
};

// The mix key of a core: the last two characters of its name (" 6", "26",
// "43", " J").
std::string mixKey(const std::string& name);

// Iron-powder cores, T series: 170 entries, AL in microhenry per 100 turns.
const ToroidCatalogue& ironPowderCores();
// Ferrite cores, FT series: 60 entries, AL in millihenry per 1000 turns.
const ToroidCatalogue& ferriteCores();

} // namespace etero::data
