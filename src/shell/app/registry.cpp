#include "registry.h"

#include "app.h"

#include <map>

namespace etero {

namespace {

std::map<std::string, FormFactory>& factories() {
    static std::map<std::string, FormFactory> map;
    return map;
}

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
    throw UsageError("unknown form " + name);
}

} // namespace etero
