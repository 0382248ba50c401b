#pragma once

#include <QLineEdit>
#include <functional>

#include "EditControl.h"

namespace brelvo {

// A one-line box whose change event runs on every change of its text, typed or assigned, and
// never when the text assigned is the one already shown.
class EditBox : public QLineEdit, public EditControl {
    Q_OBJECT

public:
    explicit EditBox(QWidget* parent);

    // The change event, OnChange.
    std::function<void()> onChange;

    std::string Text() const override { return text().toStdString(); }
    void SetText(std::string_view value) override {
        setText(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    }
};

}  // namespace brelvo
