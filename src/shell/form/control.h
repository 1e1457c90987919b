// The controls of a calculator window, as the form model holds them: what a
// window shows and what the user can act on, with no toolkit behind it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace etero {

class Drawing;

enum class Kind { Label, Text, Command, Option, Check, Combo, Frame, Picture, Timer };
enum class Icon { None, Exclamation, Critical, Information, Question };
enum class Mode { Modal, Modeless };

const char* kindName(Kind k);
const char* iconName(Icon i);
const char* modeName(Mode m);

using Rgb = std::uint32_t; // 0xRRGGBB
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kGreen = 0x008000;
inline constexpr Rgb kWhite = 0xFFFFFF;

// Positions and sizes in twips (1440 to the inch, 15 to a pixel at 96 dpi).
struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};
inline constexpr int kTwipsPerPixel = 15;

// What a label or field is for, so that the window renderer can place it.
enum class Role {
    Auto,      // decided by the kind
    Input,     // a text field the user types into
    Caption,   // the fixed label that names an input field
    Result,    // a label that receives a computed result
    Hint,      // a fixed hint or note
    Title,     // a heading inside the window
    OnDrawing, // a label placed on the schematic
    Close,     // the close command
    // A label whose caption is one line of a table: its blank-separated words
    // are cells that line up with the words of the table's other lines. The
    // caption label just before it, if any, heads the line.
    TableRow,
};

struct Control {
    std::string name;  // the name the handlers use: "txtinput1", "Option1(2)"
    std::string group; // array name for indexed controls ("Option1"), else empty
    int index = -1;    // index within the array, -1 when not an array
    Kind kind = Kind::Label;
    Role role = Role::Auto;

    std::string caption; // labels, commands, options, frames, checks
    std::string text;    // text fields; combos: the text shown
    std::string tooltip;
    bool visible = true;
    bool enabled = true;
    bool value = false; // options and checks
    bool tabStop = true;
    std::vector<std::string> items; // combos
    int listIndex = -1;
    Rgb forecolor = kBlack;
    std::optional<Rgb> backcolor;
    double fontPoints = 0; // 0: the window's default size
    bool bold = false;
    // Labels whose runs of blanks line up columns (a table row written as one
    // caption) are shown in a fixed-pitch font.
    bool fixedPitch = false;
    std::string frame;   // the frame that holds this control, if any
    std::string buddy;   // for a text field: the label naming it; for that label: the field
    std::string picture; // picture controls and picture buttons: the image's id
    std::shared_ptr<const Drawing> art; // a picture control drawn from a description
    std::optional<Twips> place;         // explicit position in the window, when the design fixes it

    // Fluent setters used while a form describes itself.
    Control& tip(std::string t) {
        tooltip = std::move(t);
        return *this;
    }
    Control& initial(std::string t) {
        text = std::move(t);
        return *this;
    }
    Control& hidden() {
        visible = false;
        return *this;
    }
    Control& disabled() {
        enabled = false;
        return *this;
    }
    Control& selected() {
        value = true;
        return *this;
    }
    Control& color(Rgb c) {
        forecolor = c;
        return *this;
    }
    Control& background(Rgb c) {
        backcolor = c;
        return *this;
    }
    Control& font(double points, bool isBold = false) {
        fontPoints = points;
        bold = isBold;
        return *this;
    }
    Control& monospaced() {
        fixedPitch = true;
        return *this;
    }
    Control& as(Role r) {
        role = r;
        return *this;
    }
    Control& noTab() {
        tabStop = false;
        return *this;
    }
    Control& at(int left, int top, int width, int height) {
        place = Twips{left, top, width, height};
        return *this;
    }

    bool canTakeFocus() const;
};

// "Option1(2)" for an array element, "txtf" otherwise.
std::string controlName(const std::string& group, int index);

// The caption without its access-key marker: "&CALCOLA" reads "CALCOLA", "&&" is a literal "&".
std::string withoutAccessKey(const std::string& caption);

} // namespace etero
