// The forms built so far register themselves by name; every other form of
// the catalogue opens as a placeholder.
#pragma once

#include "shell/form/form.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace etero {

using FormFactory = std::function<std::unique_ptr<Form>()>;

bool registerForm(const std::string& name, FormFactory factory);
bool isRegistered(const std::string& name);
std::unique_ptr<Form> createForm(const std::string& name); // a placeholder when not registered

} // namespace etero

// Put once in a form's .cpp file: ETERO_FORM(FrmRC, "frmRC")
#define ETERO_FORM(Class, name)                                                                    \
    [[maybe_unused]] static const bool etero_registered_##Class =                                  \
        ::etero::registerForm(name, [] { return std::make_unique<Class>(); })
