#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

class QFileDialog;
class QWidget;

namespace brelvo {

// The dialog in which RUN lets the user pick attribute files. Tests replace Choose(): a modal
// dialog would stop a headless run.
class OpenDialog {
public:
    virtual ~OpenDialog() = default;

    // The chosen existing files as full paths in the dialog's order, or nothing on cancel.
    // After an OK the next opening starts from the first chosen file.
    virtual std::optional<std::vector<std::string>> Choose(QWidget* parent);

    // Sets up a file dialog as this one opens: title, filter, default suffix, several
    // existing files, starting from FileName.
    void Configure(QFileDialog& dialog) const;

    static const QString kTitle;
    static const QString kFilter;
    static const QString kDefaultSuffix;

    // Where the next opening starts.
    QString FileName = QStringLiteral("_temp.atr");
};

}  // namespace brelvo
