#include "EditBox.h"

namespace brelvo {

EditBox::EditBox(QWidget* parent) : QLineEdit(QStringLiteral("3"), parent) {
    setObjectName("Edit1");
    setMaxLength(3);
    // Files dropped over the box are for the main window, not text to paste.
    setAcceptDrops(false);
    // QLineEdit emits textChanged synchronously, and only when the text really changes.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (onChange) {
            onChange();
        }
    });
}

}  // namespace brelvo
