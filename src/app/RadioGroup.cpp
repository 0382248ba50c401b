#include "RadioGroup.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace brelvo {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int selected, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this)) {
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 0, 6, 0);
    columns->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], this);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i + 1));
        m_group->addButton(item, i);
        columns->addWidget(item, 1);
    }
    if (selected >= 0 && selected < items.size()) {
        m_group->button(selected)->setChecked(true);
    }
    LetTabReachOnlyTheSelectedItem();
    // Connected after the start value is set: loading the design raises nothing.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (!checked) {
            return;  // the item losing the selection; the new one follows
        }
        LetTabReachOnlyTheSelectedItem();
        if (onClick) {
            onClick();
        }
    });
}

int RadioGroup::ItemIndex() const {
    return m_group->checkedId();
}

QRadioButton* RadioGroup::Item(int index) const {
    return qobject_cast<QRadioButton*>(m_group->button(index));
}

void RadioGroup::LetTabReachOnlyTheSelectedItem() {
    for (QAbstractButton* item : m_group->buttons()) {
        item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace brelvo
