// The two ways a calculator window arranges its widgets.
//
// AutoLayout (the usual case) turns the layout plan (layoutplan.h) into Qt
// layouts: each row a line of cells, captions of one container sharing one
// width so that their fields line up, frames, the drawing and the command
// rows. A window grows when a longer text needs room and never shrinks.
//
// TwipsLayout (forms that fix every position in twips) puts each control at
// its designed place, scaled so that every text fits where the design puts
// it in the program's one font, with the margin every window has.
#pragma once

#include "layoutplan.h"
#include "shell/form/form.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <map>
#include <string>
#include <vector>

class QBoxLayout;
class QWidget;

namespace etero::qt {

class CalculatorView;
class TableView;

// The space between a window's edge and its contents, in pixels, in both layouts.
inline constexpr int kMargin = 14;

class LayoutStrategy {
  public:
    explicit LayoutStrategy(CalculatorView& view) : view_(view) {}
    virtual ~LayoutStrategy() = default;
    LayoutStrategy(const LayoutStrategy&) = delete;
    LayoutStrategy& operator=(const LayoutStrategy&) = delete;

    // Once, after the widgets exist.
    virtual void arrange(const Form& form) = 0;
    // After every sync of the widgets with the model.
    virtual void sync(const Form& form) = 0;
    // The text an option or check box shows for its caption.
    virtual QString buttonText(const Control& c, QWidget* w) const;

  protected:
    CalculatorView& view_;
};

class AutoLayout : public LayoutStrategy {
  public:
    using LayoutStrategy::LayoutStrategy;
    void arrange(const Form& form) override;
    void sync(const Form& form) override;
    const LayoutPlan& plan() const { return plan_; }

  private:
    QBoxLayout* container(const std::string& name);
    void addRow(QBoxLayout* column, const PlanRow& row, const std::string& container);
    QWidget* widget(const std::string& control) const;

    LayoutPlan plan_;
    // Per container, the captions of fields (and stand-ins for fields without
    // one) and the captions of results, with the widths they line up at.
    std::map<std::string, std::vector<QWidget*>> fieldCaptions_, resultCaptions_;
    std::map<std::string, int> captionWidth_, resultWidth_;
    std::vector<QWidget*> gaps_; // the stand-ins
    std::vector<TableView*> tables_;
};

class TwipsLayout : public LayoutStrategy {
  public:
    using LayoutStrategy::LayoutStrategy;
    void arrange(const Form& form) override;
    void sync(const Form& form) override;
    QString buttonText(const Control& c, QWidget* w) const override;

    // A place in twips as window pixels: scaled, then shifted by the margin.
    QRect toPixels(const Twips& t) const;
    // The client size in pixels of a window size in twips (which counts the
    // caption bar and the borders, as window sizes in twips always do).
    QSize clientSize(int widthTwips, int heightTwips) const;
    double scale() const { return scale_; }

  private:
    double fittingScale(const Form& form) const;
    bool fits(const Control& c, QWidget* w, double scale) const;
    void place(const Form& form, const Control& c, QWidget* w);

    double scale_ = 1;
    QPoint pad_;
    QSize client_;
};

} // namespace etero::qt
