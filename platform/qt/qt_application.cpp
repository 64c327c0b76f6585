#include "platform/qt/qt_application.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QSocketNotifier>

#include "common/form/form.h"
#include "platform/qt/form_widget.h"

namespace kestrum {
namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

void catchTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

// The top-level main window: runs the will-be-destroyed handler once, when it closes.
class MainWindow : public FormWidget {
  public:
    using FormWidget::FormWidget;

    // While the created handler runs (it may paint its progress) a close is only noted; the
    // window closes when the handler is done.
    void setStarting(bool starting) { starting_ = starting; }
    bool closeRequested() const { return closeRequested_; }

  protected:
    void closeEvent(QCloseEvent* event) override {
        if (starting_) {
            closeRequested_ = true;
            event->ignore();
            return;
        }
        if (!destroyingFired_) {
            destroyingFired_ = true;
            form().fireDestroying();
        }
        event->accept();
    }

  private:
    bool destroyingFired_ = false;
    bool starting_ = false;
    bool closeRequested_ = false;
};

}  // namespace

QtApplication::QtApplication(int& argc, char** argv) {
    catchTerminationSignals();
    // The windows are designed for this face; the substitute has the same Chinese glyphs.
    QFont::insertSubstitution(QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"));
    application_ = std::make_unique<QApplication>(argc, argv);
}

QtApplication::~QtApplication() = default;

int QtApplication::run(Form& mainForm) {
    MainWindow window(mainForm);
    window.move(mainForm.definition().x, mainForm.definition().y);
    services_.registerWindow(mainForm, &window);

    QSocketNotifier* signalNotifier = nullptr;
    if (signalPipe[1] >= 0) {
        signalNotifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
        QObject::connect(signalNotifier, &QSocketNotifier::activated, &window, [&window] {
            char byte;
            [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
            window.close();
        });
    }

    // Shown first, so a created handler that takes long can paint its progress; no input is
    // taken before the event loop runs.
    window.show();
    window.setStarting(true);
    mainForm.fireCreated();
    window.setStarting(false);
    int result = 0;
    if (window.closeRequested())
        window.close();
    else
        result = application_->exec();
    services_.unregisterWindow(mainForm);
    return result;
}

}  // namespace kestrum
