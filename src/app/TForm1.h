#pragma once

#include <QWidget>
#include <deque>
#include <memory>

#include "ConversionRuns.h"
#include "FormDesign.h"
#include "OpenDialog.h"
#include "Progress.h"
#include "RateControls.h"
#include "RunWindows.h"
#include "Settings.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace brelvo {

class EditBox;
class RadioGroup;
class TForm2;
class TrackBar;

// The main window: the presets, the outline thickness, the two check boxes and RUN; files
// dropped anywhere on it are converted.
class TForm1 : public QWidget, private RunWindows {
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    // The progress window, created after this one.
    void SetProgressWindow(TForm2* form2);
    Progress& progress() { return m_progress; }
    Settings& settings() { return m_settings; }
    // Replaces the open dialog, for tests.
    void SetOpenDialog(std::unique_ptr<OpenDialog> dialog) { m_openDialog = std::move(dialog); }

    // Where a window of the given outer size stands centred on a screen of the given size:
    // each half is truncated separately, as the window has always been placed.
    static QPoint CenteredOnScreen(const QSize& screen, const QSize& window);

    // Handlers of the controls' events.
    void Button1Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void RadioGroup1Click();
    void TrackBar1Change();
    void Edit1Change();
    void WMDropFiles(const std::vector<std::string>& names);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    void OnCreate();
    void CenterOnScreen(QWidget* form);
    template <typename Run>
    void Running(Run run);
    void RunPendingDrops();

    // RunWindows
    void ShowProgressWindow() override;
    void HideProgressWindow() override;
    void HideMainWindow() override;
    void ShowMainWindow() override;
    int SelectedPreset() const override;
    std::optional<std::vector<std::string>> ChooseFiles() override;
    void ShowFailure(const std::exception& failure) override;

    Settings m_settings;
    Progress m_progress;
    ConversionRuns m_runs{m_settings, m_progress, *this};
    std::unique_ptr<OpenDialog> m_openDialog = std::make_unique<OpenDialog>();
    FormDesign m_design;
    TForm2* m_form2 = nullptr;
    bool m_shown = false;
    bool m_running = false;
    bool m_closeRequested = false;
    std::deque<std::vector<std::string>> m_pendingDrops;

    QPushButton* m_button1 = nullptr;
    QCheckBox* m_checkBox1 = nullptr;
    QCheckBox* m_checkBox2 = nullptr;
    RadioGroup* m_radioGroup1 = nullptr;
    QGroupBox* m_groupBox1 = nullptr;
    TrackBar* m_trackBar1 = nullptr;
    EditBox* m_edit1 = nullptr;
    std::unique_ptr<RateControls> m_rateControls;
};

}  // namespace brelvo
