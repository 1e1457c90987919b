// The desktop program put together: the Qt host, the App, the main window.
// A QApplication must exist first.
#pragma once

#include "qthost.h"
#include "shell/app/app.h"

namespace etero::qt {

class MainView;

class Program {
  public:
    explicit Program(QtHost::Options options = {});
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Opens the main window, as the program does when it starts.
    void start();
    QtHost& host() { return host_; }
    App& app() { return app_; }
    MainView* mainView() const;

  private:
    QtHost host_;
    App app_;
};

} // namespace etero::qt
