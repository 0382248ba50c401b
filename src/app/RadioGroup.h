#pragma once

#include <QGroupBox>
#include <functional>

class QButtonGroup;
class QRadioButton;

namespace brelvo {

// A captioned group of radio items in columns. Its click event runs only when the user selected
// a different item, with the new index already in place.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int selected, QWidget* parent);

    // The click event, OnClick.
    std::function<void()> onClick;

    // The selected item's index, -1 for none.
    int ItemIndex() const;
    QRadioButton* Item(int index) const;

private:
    void LetTabReachOnlyTheSelectedItem();

    QButtonGroup* m_group;
};

}  // namespace brelvo
