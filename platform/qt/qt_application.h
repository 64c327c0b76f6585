// The Qt application of one program: fonts, the services, and the main window's life from
// its created handler to its will-be-destroyed handler. SIGINT, SIGTERM and SIGHUP close the
// main window the ordinary way, so the program still saves on its way out.
#pragma once

#include <memory>

#include "platform/qt/qt_services.h"

class QApplication;

namespace kestrum {

class Form;

class QtApplication {
  public:
    QtApplication(int& argc, char** argv);
    ~QtApplication();

    QtServices& services() { return services_; }

    // Builds the main window, runs its created handler, shows it and runs the event loop
    // until it is closed; its will-be-destroyed handler runs before its widgets go.
    int run(Form& mainForm);

  private:
    std::unique_ptr<QApplication> application_;
    QtServices services_;
};

}  // namespace kestrum
