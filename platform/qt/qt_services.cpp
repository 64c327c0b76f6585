#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "common/form/form.h"
#include "common/midi_player.h"
#include "platform/qt/form_widget.h"
#include "platform/qt/qt_text.h"

namespace kestrum {
namespace {

// "文本文件" and "*.txt" become "文本文件 (*.txt)"; several patterns are separated by ";".
QString nameFilter(const std::string& name, const std::string& patterns) {
    QString qtPatterns = toQString(patterns);
    qtPatterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return toQString(name) + QStringLiteral(" (") + qtPatterns + QStringLiteral(")");
}

}  // namespace

void QtServices::registerWindow(const Form& form, QWidget* widget) {
    windows_[&form] = widget;
}

void QtServices::unregisterWindow(const Form& form) {
    windows_.erase(&form);
}

QWidget* QtServices::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtServices::activeWindow() const {
    if (QWidget* active = QApplication::activeModalWidget())
        return active;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return windows_.empty() ? nullptr : windows_.begin()->second->window();
}

void QtServices::messageBox(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, toQString(caption), toQString(text), QMessageBox::Ok,
                    activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::string QtServices::runFileDialog(const FileDialogRequest& request) {
    QWidget* owner = request.owner ? windowOf(*request.owner) : nullptr;
    QFileDialog dialog(owner ? owner->window() : nullptr, toQString(request.title),
                       toQString(request.initialDirectory));
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // No question before replacing a file, and an open dialog takes names of missing files.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    QStringList filters;
    for (std::size_t i = 0; i + 1 < request.filterPieces.size(); i += 2)
        filters << nameFilter(request.filterPieces[i], request.filterPieces[i + 1]);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex - 1;
        dialog.selectNameFilter(filters.value(index >= 0 && index < filters.size() ? index : 0));
    }
    if (!request.defaultFileName.empty())
        dialog.selectFile(toQString(request.defaultFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return fromQString(dialog.selectedFiles().constFirst());
}

std::string QtServices::clipboardText() {
    return fromQString(QGuiApplication::clipboard()->text());
}

void QtServices::openDocument(const std::string& pathOrAddress) {
    const QString target = toQString(pathOrAddress);
    const QUrl url =
        target.contains(QStringLiteral("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    QDesktopServices::openUrl(url);
}

LocalTime QtServices::localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

void QtServices::runModal(WindowDefinition definition) {
    Form form(std::move(definition), *this);
    QDialog dialog(activeWindow());
    dialog.setWindowTitle(toQString(form.definition().title));
    dialog.setModal(true);
    auto* content = new FormWidget(form, &dialog);
    dialog.setFixedSize(content->size());
    dialog.move(form.definition().x, form.definition().y);
    registerWindow(form, content);
    form.fireCreated();
    dialog.exec();
    // Its controls still exist while the will-be-destroyed handler runs.
    form.fireDestroying();
    unregisterWindow(form);
}

void QtServices::playMidi(const std::string& midiBytes) {
    if (player_)
        player_->play(midiBytes);
}

void QtServices::stopMidi() {
    if (player_)
        player_->stop();
}

void QtServices::runOnUiThread(const std::function<void()>& work) {
    if (QThread::currentThread() == qApp->thread()) {
        work();
        return;
    }
    // Waited for with the standard library's own primitives (not a blocking queued call), so
    // that thread checkers see the hand-over; the state is shared so that neither side can
    // outlive it.
    struct Handover {
        std::mutex mutex;
        std::condition_variable ran;
        bool done = false;
    };
    auto handover = std::make_shared<Handover>();
    QMetaObject::invokeMethod(
        qApp,
        [handover, &work] {
            work();
            std::lock_guard lock(handover->mutex);
            handover->done = true;
            handover->ran.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(handover->mutex);
    handover->ran.wait(lock, [&] { return handover->done; });
}

void QtServices::repaintNow(Form& form) {
    QWidget* widget = windowOf(form);
    if (widget == nullptr)
        return;
    // Lets the window be mapped and painted while a handler still runs; clicks and keys stay
    // queued until the handler has returned.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    widget->repaint();
}

}  // namespace kestrum
