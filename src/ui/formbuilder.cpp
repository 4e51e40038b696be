// Builds the wizard window's widgets from the control table.
#include "ui/formbuilder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHash>
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

// A drop-down whose list, opened with nothing chosen, has no current entry, so that the first Down picks the first
// entry, as a native drop-down does. Left to itself, the list view makes its first entry current when it gets the
// focus, unless its current entry was set on purpose, and Down then goes on to the second.
class DropDown final : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        view()->setCurrentIndex(QModelIndex());
        QComboBox::showPopup();
    }
};

QWidget* makeCombo(const ControlRow& row, QWidget* parent) {
    auto* combo = new DropDown(parent);
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
    case ControlKind::Label: return makeLabel(row, parent);
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(text, parent);
        // A line edit cuts at 32767 characters unless told otherwise; only the trigger has a limit.
        edit->setMaxLength(row.flags & ControlFlag::OneCharacter ? 1 : std::numeric_limits<int>::max());
        return edit;
    }
    case ControlKind::EditableCombo:
    case ControlKind::ListCombo: return makeCombo(row, parent);
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
    case ControlKind::Page: return new QFrame(parent);
    case ControlKind::ButtonBar: {
        auto* bar = new QFrame(parent);
        bar->setFrameStyle(QFrame::Box | QFrame::Sunken); // etched
        return bar;
    }
    case ControlKind::Line: return makeLine(row, parent);
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

// Puts a row's widget into the member of its role, once, and only when it is of the member's type.
class Binder {
public:
    Binder(const QString& name, QWidget* widget, QStringList& problems)
        : m_name(name)
        , m_widget(widget)
        , m_problems(problems) {}

    template <typename T> void into(T*& member) {
        if (member)
            m_problems << m_name + QStringLiteral(": another row already has this role");
        else if (!(member = qobject_cast<T*>(m_widget)))
            m_problems << m_name + QStringLiteral(": the wrong kind of control for its role");
    }
    template <typename T, std::size_t N> void into(std::array<T*, N>& members, int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= N)
            m_problems << m_name + QStringLiteral(": no such index in its control array");
        else
            into(members[static_cast<std::size_t>(index)]);
    }

private:
    const QString& m_name;
    QWidget* m_widget;
    QStringList& m_problems;
};

void bind(FormControls& form, const ControlRow& row, Binder&& to) {
    switch (row.role) {
    case ControlRole::None: return;
    case ControlRole::Banner: return to.into(form.banner);
    case ControlRole::StepTitle: return to.into(form.stepTitle);
    case ControlRole::Welcome: return to.into(form.welcome);
    case ControlRole::Page: return to.into(form.pages, row.index);
    case ControlRole::Master: return to.into(form.master);
    case ControlRole::Trigger: return to.into(form.trigger);
    case ControlRole::BotBox: return to.into(form.botBoxes, row.index);
    case ControlRole::Server: return to.into(form.server);
    case ControlRole::Client: return to.into(form.client);
    case ControlRole::Display: return to.into(form.display);
    case ControlRole::HelpButton:
        to.into(form.helpButtons, row.index);
        if (row.index >= 0 && static_cast<std::size_t>(row.index) < form.helpTexts.size())
            form.helpTexts[static_cast<std::size_t>(row.index)] = QString::fromUtf8(row.help);
        return;
    case ControlRole::AddBot: return to.into(form.addBot);
    case ControlRole::StartBot: return to.into(form.startBot);
    case ControlRole::ButtonBar: return to.into(form.buttonBar);
    case ControlRole::Cancel: return to.into(form.cancel);
    case ControlRole::Back: return to.into(form.back);
    case ControlRole::Next: return to.into(form.next);
    }
}

// Every member, filled or not; each array element counts as one.
std::vector<const void*> membersOf(const FormControls& form) {
    std::vector<const void*> members{form.banner,    form.stepTitle, form.welcome, form.master, form.trigger,
                                     form.server,    form.client,    form.display, form.addBot, form.startBot,
                                     form.buttonBar, form.cancel,    form.back,    form.next};
    members.insert(members.end(), form.pages.begin(), form.pages.end());
    members.insert(members.end(), form.botBoxes.begin(), form.botBoxes.end());
    members.insert(members.end(), form.helpButtons.begin(), form.helpButtons.end());
    return members;
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

QFont formFont(FontWeight weight) {
    QFont font;
    // DejaVu Sans Condensed is close to Tahoma's widths; plain DejaVu Sans, which fontconfig would pick, is wide
    // enough to push page texts onto an extra line.
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
    return font;
}

FormControls buildForm(QWidget* window, std::span<const ControlRow> rows, QStringList& problems) {
    window->setFont(formFont(FontWeight::Regular));
    const QFont bold = formFont(FontWeight::Bold);

    FormControls form;
    QHash<QString, QWidget*> byName;
    const auto named = [&](const char* name) -> QWidget* {
        QWidget* widget = byName.value(QString::fromLatin1(name));
        if (!widget)
            problems << QString::fromLatin1(name) + QStringLiteral(": no row of this name comes before its use");
        return widget;
    };
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const ControlRow& row : rows) {
        QWidget* parent = row.parent ? named(row.parent) : window;
        if (!parent)
            continue;
        QWidget* widget = makeControl(row, parent);
        const QString name = objectNameOf(row);
        widget->setObjectName(name);
        if (byName.contains(name))
            problems << name + QStringLiteral(": two rows of this name");
        byName.insert(name, widget);
        bind(form, row, Binder(name, widget, problems));
        if (row.kind != ControlKind::Line)
            widget->setGeometry(pixelRect(row.left, row.top, row.width, row.height));
        if (row.flags & ControlFlag::Bold)
            widget->setFont(bold);
        if (row.kind == ControlKind::Page && row.index >= 0 && row.index < kStepCount) // said on entering the page
            widget->setAccessibleName(QString::fromLatin1(layoutOf(static_cast<Step>(row.index)).title));
        if (row.accessible)
            widget->setAccessibleName(QString::fromUtf8(row.accessible));
        if (takesFocus(row.kind))
            focusOrder.emplace_back(row.tabIndex, widget);
    }
    // Captions and explanations go to their inputs once every control is there: a caption stands before its input.
    for (const ControlRow& row : rows) {
        if (auto* caption = qobject_cast<QLabel*>(byName.value(objectNameOf(row))); caption && row.captionOf) {
            if (QWidget* input = named(row.captionOf))
                caption->setBuddy(input); // a screen reader names the input by its caption
        }
        if (row.explains) {
            if (QWidget* input = named(row.explains))
                input->setAccessibleDescription(QString::fromUtf8(row.help ? row.help : row.text));
        }
    }
    for (const void* member : membersOf(form)) {
        if (!member) {
            problems << QStringLiteral("a control of the wizard has no row");
            break;
        }
    }

    arrangeReadingOrder(window);
    std::sort(focusOrder.begin(), focusOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    return form;
}

FormControls buildForm(QWidget* window) {
    QStringList problems;
    FormControls form = buildForm(window, formControls(), problems);
    if (!problems.isEmpty())
        qFatal("The window's control table is wrong: %s", qPrintable(problems.join(QStringLiteral("; "))));
    return form;
}
