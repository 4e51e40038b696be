// Builds the wizard window's widgets from the control table.
#include "ui/formbuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

#include <algorithm>
#include <vector>

namespace {

QRect PixelRect(int left, int top, int width, int height) {
    // Edges are rounded rather than sizes, so controls that touch in twips touch in pixels.
    const int x = twips::ToPixels(left);
    const int y = twips::ToPixels(top);
    return QRect(x, y, twips::ToPixels(left + width) - x, twips::ToPixels(top + height) - y);
}

QWidget* MakeLine(const ControlSpec& spec, QWidget* parent) {
    auto* line = new QFrame(parent);
    const bool horizontal = spec.top == spec.height;
    line->setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    const int x = twips::ToPixels(std::min(spec.left, spec.width));
    const int y = twips::ToPixels(std::min(spec.top, spec.height));
    const int length = horizontal ? twips::ToPixels(std::max(spec.left, spec.width)) - x
                                  : twips::ToPixels(std::max(spec.top, spec.height)) - y;
    line->setGeometry(horizontal ? QRect(x, y, length, 1) : QRect(x, y, 1, length));
    return line;
}

QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(spec.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(spec.flags & ControlFlag::WordWrap);
    if (spec.flags & ControlFlag::WhiteBackground) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

QWidget* MakeCombo(const ControlSpec& spec, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    if (spec.kind == ControlKind::EditableCombo) {
        combo->setEditable(true);
        // Enter must not add the typed text to the list, and completion must not change what was typed.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    return combo;
}

QWidget* MakeControl(const ControlSpec& spec, QWidget* parent) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
    case ControlKind::Banner: {
        auto* banner = new QWidget(parent);
        banner->setBackgroundRole(QPalette::Base);
        banner->setAutoFillBackground(true);
        banner->setFocusPolicy(Qt::StrongFocus);
        return banner;
    }
    case ControlKind::Label:
        return MakeLabel(spec, parent);
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(text, parent);
        if (spec.flags & ControlFlag::OneCharacter)
            edit->setMaxLength(1);
        return edit;
    }
    case ControlKind::EditableCombo:
    case ControlKind::ListCombo:
        return MakeCombo(spec, parent);
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setChecked(spec.flags & ControlFlag::Checked);
        return box;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(spec.flags & ControlFlag::DefaultButton);
        return button;
    }
    case ControlKind::Page:
        return new QFrame(parent);
    case ControlKind::ButtonBar: {
        auto* bar = new QFrame(parent);
        bar->setFrameStyle(QFrame::Box | QFrame::Sunken); // etched
        return bar;
    }
    case ControlKind::Line:
        return MakeLine(spec, parent);
    }
    return nullptr;
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::Banner || kind == ControlKind::TextBox || kind == ControlKind::EditableCombo ||
           kind == ControlKind::ListCombo || kind == ControlKind::CheckBox || kind == ControlKind::Button;
}

} // namespace

QString ObjectName(const ControlSpec& spec) {
    const QString name = QString::fromLatin1(spec.name);
    return spec.index < 0 ? name : name + QLatin1Char('_') + QString::number(spec.index);
}

QFont FormFont(bool bold) {
    QFont font;
    // DejaVu Sans Condensed is close to Tahoma's widths; plain DejaVu Sans, which fontconfig would pick, is wide
    // enough to push page texts onto an extra line.
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QHash<QString, QWidget*> BuildForm(QWidget* window) {
    window->setFont(FormFont(false));
    const QFont bold = FormFont(true);

    QHash<QString, QWidget*> controls;
    std::vector<std::pair<int, QWidget*>> focusOrder;
    std::vector<std::pair<QLabel*, const char*>> buddies;

    for (const ControlSpec& spec : FormControls()) {
        QWidget* parent = spec.parent ? controls.value(QString::fromLatin1(spec.parent)) : window;
        Q_ASSERT(parent);
        QWidget* widget = MakeControl(spec, parent);
        const QString name = ObjectName(spec);
        widget->setObjectName(name);
        if (spec.index >= 0)
            widget->setProperty("index", spec.index);
        if (spec.kind != ControlKind::Line)
            widget->setGeometry(PixelRect(spec.left, spec.top, spec.width, spec.height));
        if (spec.flags & ControlFlag::Bold)
            widget->setFont(bold);
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) {
            // Fonts other than Tahoma can need a pixel more for the last line's descenders; there is room below.
            label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
        }
        if (spec.accessible)
            widget->setAccessibleName(QString::fromUtf8(spec.accessible));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // Caption labels reach under their inputs; the inputs stay on top.
            label->lower();
            if (spec.buddy)
                buddies.emplace_back(label, spec.buddy);
        }
        if (TakesFocus(spec.kind))
            focusOrder.emplace_back(spec.tabIndex, widget);
        controls.insert(name, widget);
    }

    for (const auto& [label, buddy] : buddies)
        label->setBuddy(controls.value(QString::fromLatin1(buddy)));

    std::sort(focusOrder.begin(), focusOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    return controls;
}
