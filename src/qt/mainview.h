// The main window FRMETEROMETRO: the radio picture with the blinking title,
// the version and resolution labels and the close button laid over it, the
// menu bar of the whole catalogue, and the one-second timer.
#pragma once

#include "formview.h"

#include <QTimer>

class QMenuBar;

namespace etero::qt {

class MainView : public FormView {
    Q_OBJECT
  public:
    using FormView::FormView;
    void build() override;
    QMenuBar* menuBar() const { return menuBar_; }
    const QTimer& timer() const { return timer_; }

  Q_SIGNALS:
    void firstPaint();

  protected:
    void syncGeometry(const Form& form) override;
    void afterSync(const Form& form) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildMenus();
    QMenuBar* menuBar_ = nullptr;
    QTimer timer_;
    bool painted_ = false;
    bool placed_ = false;
};

} // namespace etero::qt
