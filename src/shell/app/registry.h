// Every form of the program registers itself by name; the open operation
// creates a form from its registered factory the first time it is opened.
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
// UsageError for a name that no form registered.
std::unique_ptr<Form> createForm(const std::string& name);

} // namespace etero

// Put once in a form's .cpp file: ETERO_FORM(FrmRC, "frmRC")
#define ETERO_FORM(Class, name)                                                                    \
    [[maybe_unused]] static const bool etero_registered_##Class =                                  \
        ::etero::registerForm(name, [] { return std::make_unique<Class>(); })
