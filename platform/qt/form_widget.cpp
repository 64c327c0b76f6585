#include "platform/qt/form_widget.h"

#include <QFont>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeView>

#include "common/charset.h"
#include "platform/qt/form_list_model.h"
#include "platform/qt/qt_text.h"

namespace kestrum {
namespace {

QFont fontOf(const FontSpec& definition) {
    QFont font(utf8ToQString(definition.face));
    font.setPixelSize(definition.pixelHeight);
    font.setBold(definition.bold);
    return font;
}

// Window texts use CR LF; Qt's text widgets use LF.
QString toEditText(const std::string& gbkText) {
    QString text = toQString(gbkText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string fromEditText(QString text) {
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return fromQString(text);
}

QString hyperlinkText(const std::string& caption) {
    return QStringLiteral("<a href=\"#\" style=\"color:#0000ff\">%1</a>")
        .arg(toQString(caption).toHtmlEscaped());
}

}  // namespace

FormWidget::FormWidget(Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    const WindowDefinition& window = form.definition();
    setFixedSize(window.width, window.height);
    setWindowTitle(toQString(window.title));
    // Frames first: the controls inside them need their parent to exist.
    for (const Control& control : form.controls()) {
        if (control.kind() == ControlKind::Frame)
            widgets_[control.name()] = createWidget(control, this);
    }
    for (const Control& control : form.controls()) {
        if (control.kind() == ControlKind::Frame)
            continue;
        QWidget* parentWidget = this;
        if (!control.definition().parent.empty())
            parentWidget = widgets_.at(control.definition().parent);
        widgets_[control.name()] = createWidget(control, parentWidget);
    }
    for (const auto& [name, widget] : widgets_)
        namesOfWidgets_[widget] = name;
    // A radio button's box reaches under the label that is its caption; the caption stays on
    // top so that it reads whole.
    for (const Control& control : form.controls()) {
        if (control.kind() == ControlKind::Label || control.kind() == ControlKind::HyperlinkLabel)
            widgets_.at(control.name())->raise();
    }
    windowBackgroundChanged();
    form.setObserver(this);
}

FormWidget::~FormWidget() {
    if (form_.observer() == this)
        form_.setObserver(nullptr);
}

QWidget* FormWidget::widgetOf(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* FormWidget::createWidget(const Control& control, QWidget* parent) {
    const ControlDefinition& definition = control.definition();
    QWidget* widget = nullptr;
    switch (definition.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(toQString(control.caption()), parent);
            // A caption wider than its label continues on the next line (the two-line sort
            // headings of the daily window).
            label->setWordWrap(true);
            label->setAlignment(definition.multiLine ? Qt::AlignLeft | Qt::AlignTop
                                                     : Qt::AlignLeft | Qt::AlignVCenter);
            widget = label;
            break;
        }
        case ControlKind::HyperlinkLabel: {
            auto* label = new QLabel(hyperlinkText(control.caption()), parent);
            label->setTextFormat(Qt::RichText);
            label->setCursor(Qt::PointingHandCursor);
            widget = label;
            break;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(parent);
            // The form decides which button of a group is checked.
            radio->setAutoExclusive(false);
            radio->setFocusPolicy(Qt::NoFocus);
            radio->setChecked(control.isChecked());
            widget = radio;
            break;
        }
        case ControlKind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameShape(QFrame::NoFrame);
            widget = frame;
            break;
        }
        case ControlKind::SeparatorLine: {
            auto* line = new QFrame(parent);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Plain);
            line->setLineWidth(1);
            QPalette palette = line->palette();
            palette.setColor(QPalette::WindowText, QColor(128, 128, 128));
            line->setPalette(palette);
            widget = line;
            break;
        }
        case ControlKind::EditBox: {
            auto* edit = new QPlainTextEdit(parent);
            edit->setPlainText(toEditText(control.text()));
            connect(edit, &QPlainTextEdit::textChanged, this,
                    [this, &control, edit] { editTextChangedByUser(control, edit); });
            widget = edit;
            break;
        }
        case ControlKind::ListView: {
            auto* view = new QTreeView(parent);
            auto* model = new FormListModel(control, view);
            view->setModel(model);
            view->setHeaderHidden(true);
            view->setRootIsDecorated(false);
            view->setItemsExpandable(false);
            view->setUniformRowHeights(true);
            view->setSelectionBehavior(QAbstractItemView::SelectRows);
            view->setSelectionMode(QAbstractItemView::SingleSelection);
            view->setEditTriggers(QAbstractItemView::NoEditTriggers);
            view->header()->setStretchLastSection(false);
            for (int column = 0; column < control.columnCount(); ++column)
                view->setColumnWidth(column, definition.columns[column].width);
            listModels_[control.name()] = model;
            widget = view;
            break;
        }
        case ControlKind::PictureBox: {
            auto* picture = new QLabel(parent);
            QPixmap pixmap;
            pixmap.loadFromData(reinterpret_cast<const uchar*>(definition.image.data()),
                                static_cast<uint>(definition.image.size()));
            picture->setPixmap(pixmap);
            picture->setScaledContents(true);
            widget = picture;
            break;
        }
    }
    widget->setGeometry(definition.x, definition.y, definition.width, definition.height);
    widget->setFont(fontOf(definition.font));
    widget->installEventFilter(this);
    widget->setEnabled(control.isEnabled());
    applyColours(control, widget);
    return widget;
}

void FormWidget::applyColours(const Control& control, QWidget* widget) {
    QPalette palette = widget->palette();
    switch (control.kind()) {
        case ControlKind::EditBox:
            if (control.backgroundColour())
                palette.setColor(QPalette::Base, toQColor(*control.backgroundColour()));
            if (control.textColour())
                palette.setColor(QPalette::Text, toQColor(*control.textColour()));
            break;
        case ControlKind::ListView:
            if (control.listBackground())
                palette.setColor(QPalette::Base, toQColor(*control.listBackground()));
            if (control.listTextColour())
                palette.setColor(QPalette::Text, toQColor(*control.listTextColour()));
            break;
        default:
            if (control.backgroundColour()) {
                // Buttons fill their background with the Button role, labels with Window.
                palette.setColor(QPalette::Window, toQColor(*control.backgroundColour()));
                palette.setColor(QPalette::Button, toQColor(*control.backgroundColour()));
                widget->setAutoFillBackground(true);
            }
            if (control.textColour()) {
                palette.setColor(QPalette::WindowText, toQColor(*control.textColour()));
                palette.setColor(QPalette::Disabled, QPalette::WindowText,
                                 toQColor(*control.textColour()).darker(160));
            }
            break;
    }
    widget->setPalette(palette);
}

void FormWidget::editTextChangedByUser(const Control& control, QPlainTextEdit* edit) {
    if (applyingEditText_)
        return;
    applyingEditText_ = true;
    form_.control(control.name()).setText(fromEditText(edit->toPlainText()));
    applyingEditText_ = false;
}

void FormWidget::controlChanged(const Control& control, ControlChange change, int row, int column) {
    QWidget* widget = widgetOf(control.name());
    if (!widget)
        return;
    switch (change) {
        case ControlChange::Caption:
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                label->setText(control.kind() == ControlKind::HyperlinkLabel
                                   ? hyperlinkText(control.caption())
                                   : toQString(control.caption()));
            }
            break;
        case ControlChange::TextColour:
        case ControlChange::BackgroundColour:
        case ControlChange::ListColours:
            applyColours(control, widget);
            if (auto it = listModels_.find(control.name()); it != listModels_.end())
                it->second->follow(change, row, column);
            break;
        case ControlChange::Enabled:
            widget->setEnabled(control.isEnabled());
            break;
        case ControlChange::Checked:
            if (auto* radio = qobject_cast<QRadioButton*>(widget))
                radio->setChecked(control.isChecked());
            break;
        case ControlChange::EditText:
            if (auto* edit = qobject_cast<QPlainTextEdit*>(widget); edit && !applyingEditText_) {
                applyingEditText_ = true;
                edit->setPlainText(toEditText(control.text()));
                applyingEditText_ = false;
            }
            break;
        case ControlChange::RowsCleared:
        case ControlChange::RowAppended:
        case ControlChange::CellText:
            if (auto it = listModels_.find(control.name()); it != listModels_.end())
                it->second->follow(change, row, column);
            break;
    }
}

void FormWidget::windowBackgroundChanged() {
    if (!form_.backgroundColour())
        return;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(*form_.backgroundColour()));
    setPalette(palette);
    setAutoFillBackground(true);
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    auto it = namesOfWidgets_.find(watched);
    if (it == namesOfWidgets_.end())
        return QWidget::eventFilter(watched, event);
    const std::string name = it->second;
    const Control& control = form_.control(name);
    // Lists and edit boxes keep Qt's own selection and typing; they bind no events.
    if (control.kind() == ControlKind::ListView || control.kind() == ControlKind::EditBox)
        return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A double click arrives as press, release, double click, release: the second press
    // counts as a press, as on the platform the programs were made for.
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (mouse->button() == Qt::LeftButton)
            form_.press(name);
        else if (mouse->button() == Qt::RightButton)
            form_.rightPress(name);
    } else if (mouse->button() == Qt::LeftButton) {
        form_.release(name);
    }
    return true;
}

}  // namespace kestrum
