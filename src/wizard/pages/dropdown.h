// The form's drop-down lists.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>

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
