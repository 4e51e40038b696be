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
#include <limits>
#include <vector>

namespace {

QRect pixelRect(int left, int top, int width, int height) {
    // Edges are rounded rather than sizes, so controls that touch in twips touch in pixels.
    const int x = twips::toPixels(left);
    const int y = twips::toPixels(top);
    return QRect(x, y, twips::toPixels(left + width) - x, twips::toPixels(top + height) - y);
}

QWidget* makeLine(const ControlRow& row, QWidget* parent) {
    auto* line = new QFrame(parent);
    const bool horizontal = row.top == row.height;
    line->setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    const int x = twips::toPixels(std::min(row.left, row.width));
    const int y = twips::toPixels(std::min(row.top, row.height));
    const int length = horizontal ? twips::toPixels(std::max(row.left, row.width)) - x
                                  : twips::toPixels(std::max(row.top, row.height)) - y;
    // Three pixels across with the line in the middle: a one-pixel widget can round away to nothing when the
    // screen scales by a fraction.
    line->setGeometry(horizontal ? QRect(x, y - 1, length, 3) : QRect(x - 1, y, 3, length));
    return line;
}

QWidget* makeLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(row.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(row.flags & ControlFlag::WordWrap);
    if (row.flags & ControlFlag::WhiteBackground) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    return label;
}

QWidget* makeCombo(const ControlRow& row, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    if (row.kind == ControlKind::EditableCombo) {
        combo->setEditable(true);
        // Inline completion would add the rest of a matching entry to what was typed.
        combo->setCompleter(nullptr);
        combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    }
    return combo;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::Banner: {
        auto* banner = new QWidget(parent);
        banner->setBackgroundRole(QPalette::Base);
        banner->setAutoFillBackground(true);
        banner->setFocusPolicy(Qt::StrongFocus);
        return banner;
    }
    case ControlKind::Label:
        return makeLabel(row, parent);
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(text, parent);
        // A line edit cuts at 32767 characters unless told otherwise; only the trigger has a limit.
        edit->setMaxLength(row.flags & ControlFlag::OneCharacter ? 1 : std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::EditableCombo:
    case ControlKind::ListCombo:
        return makeCombo(row, parent);
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setChecked(row.flags & ControlFlag::Checked);
        return box;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(row.flags & ControlFlag::DefaultButton);
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
        return makeLine(row, parent);
    }
    Q_UNREACHABLE();
}

// Screen readers read a container's controls in the order of its children: top to bottom, and left to right within
// a row (controls whose middles are less than 10 pixels apart, as the caption, input and "?" button of a row are).
// The order is also the stacking: a caption that reaches under its input stays below it.
void arrangeReadingOrder(QWidget* container) {
    const auto middle = [](QWidget* widget) { return widget->geometry().center().y(); };
    std::vector<QWidget*> children;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        children.push_back(child);
    std::stable_sort(children.begin(), children.end(), [&](QWidget* a, QWidget* b) { return middle(a) < middle(b); });
    std::vector<std::pair<int, QWidget*>> rows;
    for (QWidget* child : children)
        rows.emplace_back(rows.empty() || middle(child) - rows.back().first >= 10 ? middle(child) : rows.back().first,
                          child);
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->x() < b.second->x();
    });
    for (const auto& [row, child] : rows) {
        child->raise();
        arrangeReadingOrder(child);
    }
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Banner || kind == ControlKind::TextBox || kind == ControlKind::EditableCombo ||
           kind == ControlKind::ListCombo || kind == ControlKind::CheckBox || kind == ControlKind::Button;
}

} // namespace

void fitWrappedLabels(QWidget* page) {
    for (QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->wordWrap())
            label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    }
}

QString objectNameOf(const ControlRow& row) {
    const QString name = QString::fromLatin1(row.name);
    return row.index < 0 ? name : name + QLatin1Char('_') + QString::number(row.index);
}

QFont formFont(bool bold) {
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

QHash<QString, QWidget*> buildForm(QWidget* window) {
    window->setFont(formFont(false));
    const QFont bold = formFont(true);

    QHash<QString, QWidget*> controls;
    std::vector<std::pair<int, QWidget*>> focusOrder;
    std::vector<std::pair<QLabel*, const char*>> buddies;

    for (const ControlRow& row : formControls()) {
        QWidget* parent = row.parent ? controls.value(QString::fromLatin1(row.parent)) : window;
        Q_ASSERT(parent);
        QWidget* widget = makeControl(row, parent);
        const QString name = objectNameOf(row);
        widget->setObjectName(name);
        if (row.index >= 0)
            widget->setProperty("index", row.index);
        if (row.kind != ControlKind::Line)
            widget->setGeometry(pixelRect(row.left, row.top, row.width, row.height));
        if (row.flags & ControlFlag::Bold)
            widget->setFont(bold);
        if (row.accessible)
            widget->setAccessibleName(QString::fromUtf8(row.accessible));
        if (auto* label = qobject_cast<QLabel*>(widget); label && row.buddy)
            buddies.emplace_back(label, row.buddy);
        if (takesFocus(row.kind))
            focusOrder.emplace_back(row.tabIndex, widget);
        controls.insert(name, widget);
    }

    for (const auto& [label, buddy] : buddies)
        label->setBuddy(controls.value(QString::fromLatin1(buddy)));
    arrangeReadingOrder(window);

    std::sort(focusOrder.begin(), focusOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    return controls;
}
