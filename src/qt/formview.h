// One open form as a top-level Qt window. The base class owns the widgets of
// the form's controls (one widget per control, under its model name), keeps
// them in step with the model and forwards what the user does to the App.
// Subclasses arrange the widgets: CalculatorView for every calculator and
// page, MainView for the main window.
#pragma once

#include "shell/form/form.h"

#include <QString>
#include <QWidget>

#include <map>
#include <set>
#include <string>

class QLabel;

namespace etero::qt {

class QtHost;
class SchematicView;

QColor toColor(Rgb rgb);
QString toQString(const std::string& text);

class FormView : public QWidget {
    Q_OBJECT
  public:
    FormView(QtHost& host, const Form& form);

    const std::string& formName() const { return name_; }
    // Creates the widgets and arranges them; called once, before the first sync().
    virtual void build() = 0;
    // Brings every widget up to date with the model: captions, texts, values,
    // list items, visibility, colours, tooltips, window caption and geometry.
    void sync();
    // The widget of a control, or nullptr (timers have none).
    QWidget* controlWidget(const std::string& control) const;
    // The program moved the keyboard focus onto a control.
    void focusControl(const std::string& control);
    // The window's position on the screen, in pixels, for a position in twips.
    static QPoint screenPoint(int leftTwips, int topTwips);

  protected:
    // The model of this window while it is open, else nullptr.
    const Form* form() const;
    QWidget* makeControl(const Control& c, QWidget* parent);
    // The text an option or check box shows for its caption.
    virtual QString buttonText(const Control& c, QWidget* w) const;
    // Result boxes no taller than their text (windows with designed places).
    virtual bool compactResults() const { return false; }
    virtual void syncGeometry(const Form&) {}
    virtual void afterSync(const Form&) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    QtHost& host_;
    std::map<std::string, QWidget*> widgets_;
    SchematicView* schematic_ = nullptr;
    // Controls another widget shows for them: their own widgets stay hidden.
    std::set<std::string> shownElsewhere_;

  private:
    void syncControl(const Control& c, QWidget* w);
    void styleControl(const Control& c, QWidget* w);
    std::string name_;
    std::map<QObject*, std::string> names_; // widget -> control name
    QString shownCaption_;
};

} // namespace etero::qt
