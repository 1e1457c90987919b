// The window of any calculator or page, made from its form model alone.
//
// Automatic layout (the usual case): a column in tab order — option groups in
// their frames, each input caption beside its field, results as framed
// lines, hints and notes — with the schematic to its right (below it when the
// drawing is wide) and the commands in a row at the bottom, the close command
// last at the right. Controls hidden by the model keep their place, so that
// a window does not jump when its results appear.
//
// Absolute layout (forms that fix every position in twips): each control at
// its place, 15 twips to a pixel, in a window of the size the model sets.
#pragma once

#include "formview.h"

#include <optional>
#include <utility>
#include <vector>

class QGridLayout;

namespace etero::qt {

class CalculatorView : public FormView {
    Q_OBJECT
  public:
    using FormView::FormView;
    void build() override;
    bool absoluteLayout() const { return absolute_; }
    // The client size in pixels for a window size in twips (which counts the
    // caption bar and the borders, as window sizes in twips always do).
    static QSize clientSize(int widthTwips, int heightTwips);
    // Records the position the host gave the window, so that only later
    // moves by the model move it again.
    void placedAt(int leftTwips, int topTwips) { position_ = std::make_pair(leftTwips, topTwips); }

  protected:
    QString buttonText(const Control& c, QWidget* w) const override;
    void syncGeometry(const Form& form) override;
    void afterSync(const Form& form) override;

  private:
    void createWidgets(const Form& form);
    void buildAuto(const Form& form);
    void fillGrid(QGridLayout* grid, const std::vector<const Control*>& list);
    void placeAbsolute(const Control& c, QWidget* w);
    void fixTabOrder(const Form& form);

    bool absolute_ = false;
    QSize fixedClient_;
    std::optional<std::pair<int, int>> position_;
};

} // namespace etero::qt
