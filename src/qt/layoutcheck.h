// The layout check: what a user would see wrong in a calculator window as it
// is laid out at this moment. Two visible controls that overlap (labels on
// the drawing aside), a caption that does not fit its control (cut off,
// elided, or wrapped past its box), a control partly outside its window or
// its frame, a window too large for a 1280 x 1024 screen, and a control the
// user acts on that has moved since the window opened.
#pragma once

#include <QRect>

#include <map>
#include <string>
#include <vector>

namespace etero {
class Form;
}

namespace etero::qt {

class FormView;

struct LayoutProblem {
    std::string window;
    std::vector<std::string> controls;
    std::string what;
    // "frmX: lblA, txtB: overlap"
    std::string line() const;
};

// Where the controls a user acts on (fields, lists, commands, options,
// checks) stand in the window, by control name.
using Placement = std::map<std::string, QRect>;
Placement placement(const FormView& view, const Form& form);

// The problems of the window now; `opening`, when given, is its placement
// as it opened, and any such control that has moved since is a problem.
std::vector<LayoutProblem> checkLayout(const FormView& view, const Form& form,
                                       const Placement* opening = nullptr);

// The screen every window must fit, frame included.
inline constexpr int kScreenWidth = 1280, kScreenHeight = 1024;

} // namespace etero::qt
