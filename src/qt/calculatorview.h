// The window of any calculator or page, made from its form model alone: one
// widget per control, arranged by one of two strategies (layouts.h): the
// automatic layout planned from the design, or the designed places in twips
// for forms that fix every position.
#pragma once

#include "formview.h"

#include <memory>
#include <optional>
#include <utility>

namespace etero::qt {

class LayoutStrategy;
class TwipsLayout;

class CalculatorView : public FormView {
    Q_OBJECT
  public:
    CalculatorView(QtHost& host, const Form& form);
    ~CalculatorView() override;
    void build() override;
    bool absoluteLayout() const;
    // The designed-twips strategy, when the form fixes every position.
    const TwipsLayout* twipsLayout() const;
    // Records the position the host gave the window, so that only later
    // moves by the model move it again.
    void placedAt(int leftTwips, int topTwips) { position_ = std::make_pair(leftTwips, topTwips); }

    // ---- for the layout strategies ----
    SchematicView* schematic() const { return schematic_; }
    // The model of the window while it is open.
    const Form* model() const { return form(); }
    // The control is shown by another widget (a table's cells): its own
    // widget stays hidden whatever the model says.
    void showElsewhere(const std::string& control);

  protected:
    QString buttonText(const Control& c, QWidget* w) const override;
    bool compactResults() const override { return absoluteLayout(); }
    void syncGeometry(const Form& form) override;
    void afterSync(const Form& form) override;

  private:
    void createWidgets(const Form& form);
    void fixTabOrder(const Form& form);

    std::unique_ptr<LayoutStrategy> layout_;
    std::optional<std::pair<int, int>> position_;
};

} // namespace etero::qt
