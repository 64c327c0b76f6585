// The widgets of a Form: every control of its definition at its pixel position and size, the
// form's state mirrored into them as it changes, and mouse clicks turned into form events.
#pragma once

#include <QWidget>
#include <map>
#include <string>

#include "common/form/form.h"

class QPlainTextEdit;

namespace kestrum {

class FormListModel;

class FormWidget : public QWidget, public FormObserver {
  public:
    // The widget takes the size of the window's definition as its client area.
    explicit FormWidget(Form& form, QWidget* parent = nullptr);
    ~FormWidget() override;

    Form& form() const { return form_; }
    // The widget that shows a control (for tests and dialogs), or null.
    QWidget* widgetOf(const std::string& name) const;

    void controlChanged(const Control& control, ControlChange change, int row, int column) override;
    void windowBackgroundChanged() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createWidget(const Control& control, QWidget* parent);
    void applyColours(const Control& control, QWidget* widget);
    void editTextChangedByUser(const Control& control, QPlainTextEdit* edit);

    Form& form_;
    std::map<std::string, QWidget*> widgets_;
    std::map<const QObject*, std::string> namesOfWidgets_;
    std::map<std::string, FormListModel*> listModels_;
    bool applyingEditText_ = false;
};

}  // namespace kestrum
