#include "registry.h"

#include "app.h"
#include "catalogue.h"

#include <algorithm>
#include <map>

namespace etero {

namespace {

std::map<std::string, FormFactory>& factories() {
    static std::map<std::string, FormFactory> map;
    return map;
}

// The window shown for a calculator of the catalogue that is not built yet:
// its form name as caption, a notice and a close command.
class Placeholder : public Form {
  public:
    using Form::Form;
    bool implemented() const override { return false; }

  protected:
    void design() override {
        window(name());
        windowSize(6000, 2400);
        label("Label1", "CALCOLATORE NON ANCORA DISPONIBILE IN QUESTA VERSIONE").as(Role::Hint);
        closeCommand("cmdesci", "E S C I");
    }
};

} // namespace

bool registerForm(const std::string& name, FormFactory factory) {
    factories()[name] = std::move(factory);
    return true;
}

bool isRegistered(const std::string& name) {
    return factories().count(name) != 0;
}

std::unique_ptr<Form> createForm(const std::string& name) {
    if (auto it = factories().find(name); it != factories().end()) return it->second();
    const auto known = allForms();
    if (std::find(known.begin(), known.end(), name) == known.end())
        throw UsageError("unknown form " + name);
    return std::make_unique<Placeholder>(name);
}

} // namespace etero
