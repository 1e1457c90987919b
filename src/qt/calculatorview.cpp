#include "calculatorview.h"

#include "layouts.h"
#include "schematic.h"

#include <QLabel>

#include <map>

namespace etero::qt {

namespace {

constexpr int kFieldWidth = 130;

} // namespace

CalculatorView::CalculatorView(QtHost& host, const Form& form) : FormView(host, form) {}

CalculatorView::~CalculatorView() = default;

bool CalculatorView::absoluteLayout() const {
    return twipsLayout() != nullptr;
}

const TwipsLayout* CalculatorView::twipsLayout() const {
    return dynamic_cast<const TwipsLayout*>(layout_.get());
}

void CalculatorView::showElsewhere(const std::string& control) {
    shownElsewhere_.insert(control);
    if (QWidget* w = controlWidget(control)) w->hide();
}

void CalculatorView::build() {
    const Form* f = form();
    if (!f) return;
    if (f->absoluteLayout())
        layout_ = std::make_unique<TwipsLayout>(*this);
    else
        layout_ = std::make_unique<AutoLayout>(*this);
    createWidgets(*f);
    layout_->arrange(*f);
    fixTabOrder(*f);
}

void CalculatorView::createWidgets(const Form& form) {
    const Drawing& drawing = form.schematicDrawing();
    std::map<std::string, const Slot*> slotOf;
    if (!drawing.empty()) {
        schematic_ = new SchematicView(drawing, this);
        for (const Slot& s : drawing.slots())
            slotOf[s.control] = &s;
    }
    const bool automatic = !form.absoluteLayout();
    for (const Control& c : form.controls()) {
        QWidget* parent = this;
        if (!c.frame.empty())
            if (QWidget* frame = controlWidget(c.frame)) parent = frame;
        QWidget* w = makeControl(c, parent);
        if (!w) continue;
        if (auto it = slotOf.find(c.name); it != slotOf.end()) {
            schematic_->addSlotWidget(*it->second, w);
            continue;
        }
        // A hidden control keeps its place: results appearing do not move the window.
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
        if (!automatic) continue;
        if (c.kind == Kind::Text) {
            w->setMinimumWidth(kFieldWidth);
            w->setMaximumWidth(kFieldWidth + 60);
        } else if (c.kind == Kind::Command) {
            w->setMinimumHeight(30);
        } else if (c.kind == Kind::Label) {
            const int line = w->fontMetrics().height();
            w->setMinimumHeight(c.role == Role::Result ? line + 8 : line);
        }
    }
}

QString CalculatorView::buttonText(const Control& c, QWidget* w) const {
    return layout_ ? layout_->buttonText(c, w) : FormView::buttonText(c, w);
}

void CalculatorView::fixTabOrder(const Form& form) {
    QWidget* previous = nullptr;
    for (const Control& c : form.controls()) {
        QWidget* w = controlWidget(c.name);
        if (!w || !c.tabStop || w->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void CalculatorView::syncGeometry(const Form& form) {
    const Twips& g = form.geometry();
    if (!form.positionFixed()) return;
    const std::pair<int, int> p{g.left, g.top};
    if (!position_ || *position_ != p) {
        position_ = p;
        move(screenPoint(g.left, g.top));
    }
}

void CalculatorView::afterSync(const Form& form) {
    if (layout_) layout_->sync(form);
}

} // namespace etero::qt
