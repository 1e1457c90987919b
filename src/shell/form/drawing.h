// A schematic, described without any toolkit: straight lines, rectangles,
// ellipses, arcs and texts on a canvas of logical pixels, plus the places
// where result labels of the form sit on the drawing. The window renderer
// paints it scaled to the space it gets; the headless host ignores it.
#pragma once

#include "control.h"

#include <string>
#include <vector>

namespace etero {

// Where a drawn text stands against its x: ending there, centred on it, or
// starting there.
enum class Anchor { EndsAt = -1, CentredOn = 0, StartsAt = 1 };
// How a label sits in its slot on the drawing.
enum class SlotAlign { Left = -1, Centre = 0, Right = 1 };

struct Shape {
    enum class Type { Line, Rect, Ellipse, Arc, Text, Polyline };
    Type type = Type::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line ends, or the bounding box corners
    double startDeg = 0, spanDeg = 0;      // arcs, counter-clockwise from 3 o'clock
    std::vector<double> points;            // polyline: x0, y0, x1, y1, ...
    std::string text;                      // texts
    double textPoints = 8;                 // texts: size in points
    bool bold = false;
    Anchor anchor = Anchor::CentredOn; // texts: where the text stands against x
    Rgb pen = kBlack;
    double penWidth = 1.5;
    bool dashed = false;
    bool filled = false;
    Rgb fill = kBlack;
    std::string shownWith; // drawn only while this control of the form is visible
};

// A place on the drawing where a label of the form is shown.
struct Slot {
    std::string control;
    double x = 0, y = 0, width = 0, height = 0;
    SlotAlign align = SlotAlign::Left;
};

enum class Dir { Right, Down };

class Drawing {
  public:
    Drawing() = default;
    Drawing(double width, double height) : width_(width), height_(height) {}

    double width() const { return width_; }
    double height() const { return height_; }
    bool empty() const { return shapes_.empty() && slots_.empty(); }
    const std::vector<Shape>& shapes() const { return shapes_; }
    const std::vector<Slot>& slots() const { return slots_; }

    // Primitives. Each returns the shape just added so that it can be styled.
    Shape& line(double x1, double y1, double x2, double y2);
    Shape& rect(double x, double y, double w, double h);
    Shape& ellipse(double x, double y, double w, double h);
    Shape& arc(double x, double y, double w, double h, double startDeg, double spanDeg);
    Shape& text(double x, double y, std::string s, double points = 8,
                Anchor anchor = Anchor::CentredOn);
    Shape& polyline(std::vector<double> points);
    Drawing& slot(std::string control, double x, double y, double w, double h,
                  SlotAlign align = SlotAlign::Left);

    // Components drawn between two points of a horizontal or vertical wire
    // run, starting at (x, y) and `length` long in direction `dir`; each
    // draws its own leads so that wires join it end to end.
    void wire(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2); }
    void resistor(double x, double y, double length, Dir dir);
    void capacitor(double x, double y, double length, Dir dir);
    void variableCapacitor(double x, double y, double length, Dir dir);
    void inductor(double x, double y, double length, Dir dir, int turns = 4);
    void generator(double x, double y, double length, Dir dir); // AC source in a circle
    void ground(double x, double y);                            // earth symbol hanging below (x, y)
    void terminal(double x, double y);                          // small open circle
    void dot(double x, double y);                               // junction
    void arrowLine(double x1, double y1, double x2, double y2); // dimension line, arrows both ends
    void antenna(double x, double y, double height); // vertical whip with a small V on top

    // Every shape added after this call is drawn only while the control is visible.
    void shownWith(std::string control) { shownWith_ = std::move(control); }

  private:
    Shape& add(Shape s);
    double width_ = 0, height_ = 0;
    std::vector<Shape> shapes_;
    std::vector<Slot> slots_;
    std::string shownWith_;
};

} // namespace etero
