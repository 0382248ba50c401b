#include "OpenDialog.h"

#include <QFileDialog>

namespace brelvo {

const QString OpenDialog::kTitle = QStringLiteral("ATRファイルを開く");
// Qt reads the pattern from the last parentheses and shows the text before them, so the
// entry reads "atr files(*.atr)," and matches *.atr.
const QString OpenDialog::kFilter = QStringLiteral("atr files(*.atr), (*.atr)");
const QString OpenDialog::kDefaultSuffix = QStringLiteral("suf");

void OpenDialog::Configure(QFileDialog& dialog) const {
    dialog.setObjectName("OpenDialog1");
    dialog.setWindowTitle(kTitle);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(kDefaultSuffix);
    dialog.setSizeGripEnabled(true);
    dialog.selectFile(FileName);
}

std::optional<std::vector<std::string>> OpenDialog::Choose(QWidget* parent) {
    QFileDialog dialog(parent);
    Configure(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    FileName = chosen.front();
    std::vector<std::string> files;
    for (const QString& file : chosen) {
        files.push_back(file.toStdString());
    }
    return files;
}

}  // namespace brelvo
