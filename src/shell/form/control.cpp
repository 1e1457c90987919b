#include "control.h"

namespace etero {

const char* kindName(Kind k) {
    switch (k) {
    case Kind::Label:
        return "label";
    case Kind::Text:
        return "text";
    case Kind::Command:
        return "command";
    case Kind::Option:
        return "option";
    case Kind::Check:
        return "check";
    case Kind::Combo:
        return "combo";
    case Kind::Frame:
        return "frame";
    case Kind::Picture:
        return "picture";
    case Kind::Timer:
        return "timer";
    }
    return "label";
}

const char* iconName(Icon i) {
    switch (i) {
    case Icon::Exclamation:
        return "exclamation";
    case Icon::Critical:
        return "critical";
    case Icon::Information:
        return "information";
    case Icon::Question:
        return "question";
    case Icon::None:
        return "none";
    }
    return "none";
}

const char* modeName(Mode m) {
    return m == Mode::Modal ? "modal" : "modeless";
}

bool Control::canTakeFocus() const {
    if (!visible || !enabled || !tabStop) return false;
    switch (kind) {
    case Kind::Text:
    case Kind::Command:
    case Kind::Option:
    case Kind::Check:
    case Kind::Combo:
        return true;
    default:
        return false;
    }
}

std::string controlName(const std::string& group, int index) {
    return group + "(" + std::to_string(index) + ")";
}

std::string withoutAccessKey(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

} // namespace etero
