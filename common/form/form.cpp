#include "common/form/form.h"

#include <cstdio>
#include <cstdlib>

#include "common/charset.h"
#include "common/form/services.h"

namespace kestrum {
namespace {

const std::string kEmptyText;

}  // namespace

std::string Services::defaultMessageCaption() {
    return gbk("信息：");
}

Control::Control(Form& form, const ControlDefinition& definition)
    : form_(&form),
      definition_(&definition),
      caption_(definition.caption),
      checked_(definition.checked) {}

void Control::changed(ControlChange change, int row, int column) {
    if (FormObserver* observer = form_->observer())
        observer->controlChanged(*this, change, row, column);
}

void Control::setCaption(std::string caption) {
    caption_ = std::move(caption);
    changed(ControlChange::Caption);
}

void Control::setTextColour(Colour colour) {
    textColour_ = colour;
    changed(ControlChange::TextColour);
}

void Control::setBackgroundColour(Colour colour) {
    backgroundColour_ = colour;
    changed(ControlChange::BackgroundColour);
}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    changed(ControlChange::Enabled);
}

void Control::setChecked(bool checked) {
    checked_ = checked;
    changed(ControlChange::Checked);
}

void Control::setText(std::string text) {
    text_ = std::move(text);
    changed(ControlChange::EditText);
}

void Control::clearRows() {
    rows_.clear();
    changed(ControlChange::RowsCleared);
}

int Control::appendRow() {
    rows_.emplace_back(definition_->columns.size());
    const int row = rowCount() - 1;
    changed(ControlChange::RowAppended, row);
    return row;
}

void Control::setCell(int row, int column, std::string text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    rows_[row][column] = std::move(text);
    changed(ControlChange::CellText, row, column);
}

const std::string& Control::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return kEmptyText;
    return rows_[row][column];
}

void Control::setListColours(Colour text, Colour textBackground, Colour background) {
    listTextColour_ = text;
    listTextBackground_ = textBackground;
    listBackground_ = background;
    changed(ControlChange::ListColours);
}

Form::Form(WindowDefinition definition, Services& services)
    : definition_(std::move(definition)), services_(&services) {
    controls_.reserve(definition_.controls.size());
    for (const ControlDefinition& control : definition_.controls) {
        index_.emplace(control.name, controls_.size());
        controls_.emplace_back(*this, control);
    }
}

Control* Form::find(std::string_view name) {
    auto it = index_.find(name);
    return it == index_.end() ? nullptr : &controls_[it->second];
}

bool Form::has(std::string_view name) const {
    return index_.find(name) != index_.end();
}

Control& Form::control(std::string_view name) {
    if (Control* control = find(name))
        return *control;
    std::fprintf(stderr, "no control named %.*s in this window\n", static_cast<int>(name.size()),
                 name.data());
    std::abort();
}

const Control& Form::control(std::string_view name) const {
    return const_cast<Form*>(this)->control(name);
}

void Form::setBackgroundColour(Colour colour) {
    background_ = colour;
    if (observer_)
        observer_->windowBackgroundChanged();
}

void Form::press(std::string_view name) {
    Control& target = control(name);
    if (!target.isEnabled())
        return;
    if (target.kind() == ControlKind::RadioButton) {
        for (Control& other : controls_) {
            if (other.kind() == ControlKind::RadioButton &&
                other.definition().parent == target.definition().parent && &other != &target &&
                other.isChecked())
                other.setChecked(false);
        }
        target.setChecked(true);
    }
    if (target.kind() == ControlKind::HyperlinkLabel && !target.definition().linkTarget.empty())
        services_->openDocument(target.definition().linkTarget);
    if (const Handler& handler = target.definition().onLeftPressed)
        handler(*this);
}

void Form::release(std::string_view name) {
    Control& target = control(name);
    if (!target.isEnabled())
        return;
    if (const Handler& handler = target.definition().onLeftReleased)
        handler(*this);
}

void Form::rightPress(std::string_view name) {
    Control& target = control(name);
    if (!target.isEnabled())
        return;
    if (const Handler& handler = target.definition().onRightPressed)
        handler(*this);
}

void Form::fireCreated() {
    if (definition_.onCreated)
        definition_.onCreated(*this);
}

void Form::fireDestroying() {
    if (definition_.onDestroying)
        definition_.onDestroying(*this);
}

}  // namespace kestrum
