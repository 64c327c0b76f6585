// A window's state without widgets: every control of a definition with its caption, colours,
// checked state, edit text and list rows, found by name. Handlers read and change the form;
// the Qt backend mirrors it into widgets through a FormObserver, tests read it back directly.
//
// A handler test looks like this:
//
//     ScriptedServices services;                       // tests/support
//     Form form(dailyMainWindow(program), services);   // the real definition
//     form.fireCreated();
//     form.press("标签99");                            // left button pressed on the star
//     EXPECT_EQ(form.control("超级列表框2").listBackground(), 0x2A69FFu);
//
// Not thread-safe: a worker thread changes a form only inside Services::runOnUiThread.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/form/window_definition.h"

namespace kestrum {

class Form;
class Services;

enum class ControlChange {
    Caption,
    TextColour,
    BackgroundColour,
    Enabled,
    Checked,
    EditText,
    ListColours,
    RowsCleared,
    RowAppended,
    CellText,
};

class Control {
  public:
    Control(Form& form, const ControlDefinition& definition);

    const ControlDefinition& definition() const { return *definition_; }
    const std::string& name() const { return definition_->name; }
    ControlKind kind() const { return definition_->kind; }

    // Labels, hyperlink labels. GBK.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // Unset until a handler sets them: the control keeps the toolkit's own colour.
    std::optional<Colour> textColour() const { return textColour_; }
    std::optional<Colour> backgroundColour() const { return backgroundColour_; }
    void setTextColour(Colour colour);
    void setBackgroundColour(Colour colour);

    // A disabled control ignores clicks.
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Radio buttons. Setting one does not touch the others; a click does (see Form::press).
    bool isChecked() const { return checked_; }
    void setChecked(bool checked);

    // Multi-line edit box content, GBK.
    const std::string& text() const { return text_; }
    void setText(std::string text);

    // Report-style list view. Rows and columns count from 0; a cell outside the rows or the
    // defined columns is ignored on writing and reads as the empty text.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(definition_->columns.size()); }
    void clearRows();
    int appendRow();  // returns the new row's index
    void setCell(int row, int column, std::string text);
    const std::string& cell(int row, int column) const;
    const std::vector<std::vector<std::string>>& rows() const { return rows_; }

    std::optional<Colour> listTextColour() const { return listTextColour_; }
    std::optional<Colour> listTextBackground() const { return listTextBackground_; }
    std::optional<Colour> listBackground() const { return listBackground_; }
    void setListColours(Colour text, Colour textBackground, Colour background);

  private:
    void changed(ControlChange change, int row = -1, int column = -1);

    Form* form_;
    const ControlDefinition* definition_;
    std::string caption_;
    std::optional<Colour> textColour_;
    std::optional<Colour> backgroundColour_;
    bool enabled_ = true;
    bool checked_ = false;
    std::string text_;
    std::vector<std::vector<std::string>> rows_;
    std::optional<Colour> listTextColour_;
    std::optional<Colour> listTextBackground_;
    std::optional<Colour> listBackground_;
};

// Told of every change so a view can follow. row/column are set for row and cell changes.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(const Control& control, ControlChange change, int row,
                                int column) = 0;
    virtual void windowBackgroundChanged() = 0;
};

class Form {
  public:
    Form(WindowDefinition definition, Services& services);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const WindowDefinition& definition() const { return definition_; }
    Services& services() const { return *services_; }

    // The control of that name; an unknown name is a programming error and aborts.
    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    bool has(std::string_view name) const;
    std::vector<Control>& controls() { return controls_; }
    const std::vector<Control>& controls() const { return controls_; }

    std::optional<Colour> backgroundColour() const { return background_; }
    void setBackgroundColour(Colour colour);

    // Mouse events as the user makes them. A disabled control ignores them. A left press on a
    // radio button checks it and clears the other radio buttons of its parent; on a hyperlink
    // label it opens the link target; then the bound handler, if any, runs.
    void press(std::string_view name);
    void release(std::string_view name);
    void rightPress(std::string_view name);

    // Window events: created (before any user input) and will-be-destroyed.
    void fireCreated();
    void fireDestroying();

    void setObserver(FormObserver* observer) { observer_ = observer; }
    FormObserver* observer() const { return observer_; }

  private:
    Control* find(std::string_view name);

    WindowDefinition definition_;
    Services* services_;
    std::vector<Control> controls_;
    std::map<std::string, std::size_t, std::less<>> index_;
    std::optional<Colour> background_;
    FormObserver* observer_ = nullptr;
};

}  // namespace kestrum
