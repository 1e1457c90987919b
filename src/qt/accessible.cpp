#include "accessible.h"

#include "formview.h"
#include "shell/form/reading.h"

namespace etero::qt {

void nameControls(const Form& form, FormView& view) {
    for (const Control& c : form.controls()) {
        QWidget* w = view.controlWidget(c.name);
        if (!w) continue;
        // Labels without a name of their own are read by their text.
        const QString name = QString::fromStdString(accessibleName(form, c));
        if (w->accessibleName() != name) w->setAccessibleName(name);
    }
}

} // namespace etero::qt
