#include "TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QUrl>

#include "EditBox.h"
#include "ErrorDisplay.h"
#include "FormDesign.h"
#include "RadioGroup.h"
#include "TForm2.h"
#include "TrackBar.h"

namespace brelvo {

namespace {

constexpr int kDesignTextHeight = 12;
constexpr QSize kClientSize(198, 184);

std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> names;
    if (data == nullptr || !data->hasUrls()) {
        return names;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            names.push_back(url.toLocalFile().toStdString());
        }
    }
    return names;
}

}  // namespace

TForm1::TForm1()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      m_design(*this, kDesignTextHeight, kClientSize) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Brelvo"));
    BuildControls();
    OnCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
    m_button1 = new QPushButton(QStringLiteral("RUN"), this);
    m_button1->setObjectName("Button1");
    m_button1->setGeometry(m_design.Scaled(QRect(50, 140, 97, 41)));
    m_button1->setDefault(true);

    m_checkBox1 = new QCheckBox(QStringLiteral("BAKUP作成"), this);
    m_checkBox1->setObjectName("CheckBox1");
    m_checkBox1->setGeometry(m_design.Scaled(QRect(50, 0, 89, 17)));

    m_checkBox2 = new QCheckBox(QStringLiteral("ファイルを指定"), this);
    m_checkBox2->setObjectName("CheckBox2");
    m_checkBox2->setGeometry(m_design.Scaled(QRect(50, 16, 99, 17)));

    m_radioGroup1 = new RadioGroup(QStringLiteral("セルアニメ調"), {"1", "2", "3", "4"}, 3, this);
    m_radioGroup1->setObjectName("RadioGroup1");
    m_radioGroup1->setGeometry(m_design.Scaled(QRect(23, 36, 153, 41)));

    m_groupBox1 = new QGroupBox(QStringLiteral("輪郭線の太さ"), this);
    m_groupBox1->setObjectName("GroupBox1");
    m_groupBox1->setGeometry(m_design.Scaled(QRect(22, 80, 154, 52)));

    m_trackBar1 = new TrackBar(m_groupBox1);
    m_trackBar1->setGeometry(m_design.Scaled(QRect(8, 13, 105, 36)));

    m_edit1 = new EditBox(m_groupBox1);
    m_edit1->setGeometry(m_design.Scaled(QRect(116, 18, 26, 20)));

    m_rateControls = std::make_unique<RateControls>(m_settings, *m_trackBar1, *m_edit1);

    // The start values above were set before any handler was wired: loading raises nothing.
    connect(m_button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(m_checkBox1, &QCheckBox::clicked, this,
            [this] { ErrorDisplay::Guard([this] { CheckBox1Click(); }); });
    connect(m_checkBox2, &QCheckBox::clicked, this,
            [this] { ErrorDisplay::Guard([this] { CheckBox2Click(); }); });
    m_radioGroup1->onClick = [this] { ErrorDisplay::Guard([this] { RadioGroup1Click(); }); };
    m_trackBar1->onChange = [this] { ErrorDisplay::Guard([this] { TrackBar1Change(); }); };
    m_edit1->onChange = [this] { ErrorDisplay::Guard([this] { Edit1Change(); }); };

    setTabOrder(m_button1, m_checkBox1);
    setTabOrder(m_checkBox1, m_checkBox2);
    QWidget* previous = m_checkBox2;
    for (int i = 0; i < 4; ++i) {
        setTabOrder(previous, m_radioGroup1->Item(i));
        previous = m_radioGroup1->Item(i);
    }
    setTabOrder(previous, m_trackBar1);
    setTabOrder(m_trackBar1, m_edit1);
    m_button1->setFocus();
}

void TForm1::OnCreate() {
    setAcceptDrops(true);
    CenterOnScreen(this);
    m_settings.OutlineRate = Settings::kDefaultOutlineRate;
}

QPoint TForm1::CenteredOnScreen(const QSize& screen, const QSize& window) {
    return {screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2};
}

void TForm1::CenterOnScreen(QWidget* form) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    form->move(CenteredOnScreen(screen->geometry().size(), form->frameGeometry().size()));
}

void TForm1::SetProgressWindow(TForm2* form2) {
    m_form2 = form2;
    m_progress.SetListener(form2);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // A window larger than the screen would be centred off its top or left edge.
        if (x() < 0 || y() < 0) {
            move(std::max(x(), 0), std::max(y(), 0));
        }
    }
}

template <typename Run>
void TForm1::Running(Run run) {
    if (m_running) {
        return;
    }
    m_running = true;
    ErrorDisplay::Guard(run);
    m_running = false;
    if (m_closeRequested) {
        close();
    } else if (!m_pendingDrops.empty()) {
        QMetaObject::invokeMethod(this, &TForm1::RunPendingDrops, Qt::QueuedConnection);
    }
}

void TForm1::Button1Click() {
    Running([this] { m_runs.Button1Click(); });
}

void TForm1::WMDropFiles(const std::vector<std::string>& names) {
    Running([&] { m_runs.WMDropFiles(names); });
}

void TForm1::CheckBox1Click() {
    m_settings.MakeBackup = m_checkBox1->isChecked();
}

void TForm1::CheckBox2Click() {
    m_settings.SelectFiles = m_checkBox2->isChecked();
}

void TForm1::RadioGroup1Click() {
    m_settings.BuildEdgeOptions(m_radioGroup1->ItemIndex());
}

void TForm1::TrackBar1Change() {
    m_rateControls->TrackBar1Change();
}

void TForm1::Edit1Change() {
    m_rateControls->Edit1Change();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Enter anywhere in the window clicks RUN, the window's default button, as in a dialog.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        m_button1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (m_running) {
        // The run finishes first; the window closes right after it.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    event->accept();
    QApplication::quit();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void TForm1::dragMoveEvent(QDragMoveEvent* event) {
    if (!LocalFiles(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event) {
    std::vector<std::string> names = LocalFiles(event->mimeData());
    if (names.empty()) {
        return;
    }
    event->acceptProposedAction();
    // Converting starts once the drop is over, so that the file manager is not kept waiting.
    m_pendingDrops.push_back(std::move(names));
    QMetaObject::invokeMethod(this, &TForm1::RunPendingDrops, Qt::QueuedConnection);
}

void TForm1::RunPendingDrops() {
    while (!m_running && !m_pendingDrops.empty()) {
        const std::vector<std::string> names = std::move(m_pendingDrops.front());
        m_pendingDrops.pop_front();
        WMDropFiles(names);
    }
}

void TForm1::ShowProgressWindow() {
    if (m_form2 != nullptr) {
        m_form2->ShowAndPaint();
    }
}

void TForm1::HideProgressWindow() {
    if (m_form2 != nullptr) {
        m_form2->hide();
    }
}

void TForm1::HideMainWindow() {
    hide();
}

void TForm1::ShowMainWindow() {
    show();
    raise();
    activateWindow();
}

int TForm1::SelectedPreset() const {
    return m_radioGroup1->ItemIndex();
}

std::optional<std::vector<std::string>> TForm1::ChooseFiles() {
    return m_openDialog->Choose(this);
}

void TForm1::ShowFailure(const std::exception& failure) {
    ErrorDisplay::Show(failure);
}

}  // namespace brelvo
