#include "program.h"

#include "mainview.h"

namespace etero::qt {

Program::Program(QtHost::Options options) : host_(options), app_(host_) {
    host_.attach(app_);
}

// The windows go before the forms they show.
Program::~Program() {
    host_.discardWindows();
}

void Program::start() {
    host_.input([this] { app_.start(); });
}

MainView* Program::mainView() const {
    return qobject_cast<MainView*>(host_.view(kMainWindow));
}

} // namespace etero::qt
