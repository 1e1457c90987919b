// The calculator form: one window described as its design (controls with
// their names, captions, tooltips, initial state), followed by its event
// handlers. A form is written once against this class and runs unchanged
// under the desktop program and under the headless script driver.
//
// A concrete form:
//   - overrides design(), which lists the window and its controls in tab
//     order and binds the handlers;
//   - optionally overrides load(), the actions that run after the design is
//     built and before the window appears (placing the window, filling lists);
//   - keeps its form-level values as ordinary members: the form object lives
//     as long as the program, so they survive the closing of the window, while
//     controls start again from the design at every opening.
#pragma once

#include "control.h"
#include "drawing.h"
#include "texts.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace etero {

class App;

// Thrown when a handler or a script names a control the form does not have:
// a misspelt name must fail loudly.
class UnknownControl : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

struct Message {
    std::string text;
    std::string title; // shown as ETEROMETRO when empty
    Icon icon = Icon::None;
};

inline constexpr const char* kProgramName = "ETEROMETRO";
inline constexpr const char* kMissingData = "MANCANO DATI";
inline constexpr const char* kErrorTitle = "MESSAGGIO DI ERRORE";

class Form {
  public:
    explicit Form(std::string name) : name_(std::move(name)) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& windowCaption() const { return caption_; }
    const Twips& geometry() const { return geometry_; }
    bool geometryFixed() const { return geometryFixed_; }
    // Which half of the geometry the design or a handler set: the position, the size.
    bool positionFixed() const { return positionFixed_; }
    bool sizeFixed() const { return sizeFixed_; }
    bool absoluteLayout() const { return absoluteLayout_; }
    // The schematic the design drew (empty when it drew none). Forms commonly name
    // their own drawing step schematic(), so the getter has a name of its own.
    const Drawing& schematicDrawing() const { return drawing_; }
    bool isOpen() const { return open_; }

    // Controls in tab order.
    const std::deque<Control>& controls() const { return controls_; }
    Control& control(const std::string& name);
    const Control& control(const std::string& name) const;
    bool hasControl(const std::string& name) const { return index_.count(name) != 0; }
    const std::string& focused() const { return focused_; }
    // The caption and the text a control had when the window opened (after
    // the load actions): what the program writes later differs from them.
    const std::string& openingCaption(const std::string& name) const;
    const std::string& openingText(const std::string& name) const;

    // ---- used by the App (the open operation and event dispatch) ----
    void attach(App* app) { app_ = app; }
    void build(); // controls from the design, then the load actions
    void markOpen(bool open) { open_ = open; }
    std::string firstFocusable() const;
    // Events from the user. Each runs the form's reaction to completion.
    void userSetText(const std::string& control, const std::string& text);
    void userClick(const std::string& control);
    void userSelect(const std::string& control, int index);
    void userFocus(const std::string& control); // the option-button focus rule applies
    bool hasClickReaction(const std::string& control) const;
    void placeAt(int left, int top) {
        geometry_.left = left;
        geometry_.top = top;
        positionFixed_ = true;
    }

  protected:
    // ---- the design (called from design()) ----
    virtual void design() = 0;
    virtual void load() {}

    void window(std::string caption) { caption_ = std::move(caption); }
    // Window position and size in twips, as the design or a load action sets them.
    void windowPlace(int left, int top, int width, int height);
    void windowSize(int width, int height);
    // Every control carries an explicit position (at()); the renderer places them so.
    void layoutInTwips() { absoluteLayout_ = true; }

    Control& frame(const std::string& name, std::string caption = {});
    void endFrame() { currentFrame_.clear(); }
    Control& option(const std::string& group, int index, std::string caption);
    // An option button standing alone, not in an array: named plainly
    // ("Option1"); read it with isOn().
    Control& option(const std::string& name, std::string caption);
    // Consecutive options of a group, indexed from `first`.
    void options(const std::string& group, int first, const std::vector<std::string>& captions);
    Control& input(const std::string& name, std::string tooltip = {});
    // A fixed label naming an input field, then the field.
    Control& field(const std::string& labelName, std::string labelCaption,
                   const std::string& textName, std::string tooltip = {});
    Control& label(const std::string& name, std::string caption = {}); // hints, notes, titles
    Control& result(const std::string& name, std::string caption = {});
    Control& check(const std::string& name, std::string caption);
    Control& combo(const std::string& name, std::vector<std::string> items = {});
    Control& picture(const std::string& name, std::string pictureId);
    // A picture drawn from a description (lines, shapes, texts), e.g. a small
    // circuit the user clicks to choose it.
    Control& picture(const std::string& name, Drawing art);
    Control& command(const std::string& name, std::string caption, std::function<void()> onClick);
    Control& closeCommand(const std::string& name, std::string caption);
    Control& printCommand(const std::string& name, std::string caption);
    Control& timer(const std::string& name);
    Drawing& drawing(double width, double height);

    // Handlers.
    void onOption(const std::string& group, std::function<void(int)> handler);
    void onChange(const std::string& textName, std::function<void()> handler);
    void onSelect(const std::string& comboName, std::function<void()> handler);
    void onClick(const std::string& name, std::function<void()> handler);
    void onCheck(const std::string& name, std::function<void()> handler) {
        onClick(name, std::move(handler));
    }
    // Results blanked (or hidden) whenever the text of any input field changes.
    void blankOnInputChange(std::vector<std::string> names);
    void hideOnInputChange(std::vector<std::string> names);

    // ---- the handlers' view of the window ----
    std::string text(const std::string& name) const;
    void text(const std::string& name, const std::string& value); // fires the change reaction
    double num(const std::string& name) const; // parseLeading of the field's text
    std::string caption(const std::string& name) const;
    void caption(const std::string& name, const std::string& value);
    void blank(const std::vector<std::string>& names);
    void show(const std::string& name, bool visible = true);
    void hide(const std::string& name) { show(name, false); }
    void showAll(const std::vector<std::string>& names, bool visible = true);
    bool visible(const std::string& name) const;
    void enable(const std::string& name, bool enabled = true);
    void forecolor(const std::string& name, Rgb color);
    void backcolor(const std::string& name, Rgb color);
    void tooltip(const std::string& name, const std::string& value);
    int selected(const std::string& group) const; // index of the chosen option, -1 for none
    bool isOn(const std::string& name) const;     // option or check value
    void setOn(const std::string& name,
               bool on); // as assigning Value: an option set on runs its group's handler
    int listIndex(const std::string& name) const;
    void listItems(const std::string& name, std::vector<std::string> items);
    void listIndex(const std::string& name, int index); // selects an item, runs the select handler

    void message(const std::string& text, const std::string& title = {}, Icon icon = Icon::None);
    void warn(const std::string& text, const std::string& title) {
        message(text, title, Icon::Exclamation);
    }
    // "MANCANO DATI" / "MESSAGGIO DI ERRORE", then the focus into the named field.
    void missingData(const std::string& focusField);
    void focus(const std::string& name);

    void openForm(const std::string& form, Mode mode);
    void closeForm(const std::string& form); // unloads another window, if open
    void close();                            // unloads this window
    void print();
    void moveWindow(int left, int top);
    void resizeWindow(int width, int height);
    // Positions another window (it takes the position when it next opens, or at once if open).
    void moveForm(const std::string& form, int left, int top);
    // A companion window opened modeless beside this one: this window moves
    // to (left, top), the companion (if positions are given) to (otherLeft,
    // otherTop), all in twips; an open companion comes to the front.
    void openBeside(const std::string& form, int left, int top);
    void openBeside(const std::string& form, int left, int top, int otherLeft, int otherTop);

    App& app() const;

  private:
    friend class App;
    Control& add(const std::string& name, Kind kind, std::string caption = {});
    void effect(); // every visible effect first checks for a pending arithmetic fault
    void inputChanged(const std::string& name);
    void optionClicked(Control& c);

    std::string name_;
    std::string caption_;
    Twips geometry_{1200, 1200, 7200, 5400};
    bool geometryFixed_ = false;
    bool positionFixed_ = false;
    bool sizeFixed_ = false;
    bool absoluteLayout_ = false;
    bool open_ = false;
    App* app_ = nullptr;

    std::deque<Control> controls_;
    std::map<std::string, std::size_t> index_;
    std::vector<std::pair<std::string, std::string>> opening_; // caption and text, as controls_
    std::string currentFrame_;
    std::string focused_;
    Drawing drawing_;

    std::map<std::string, std::function<void(int)>> optionHandlers_;
    std::map<std::string, std::function<void()>> changeHandlers_;
    std::map<std::string, std::function<void()>> clickHandlers_;
    std::vector<std::string> blankOnChange_;
    std::vector<std::string> hideOnChange_;
    std::set<std::string> closers_, printers_;
};

} // namespace etero
