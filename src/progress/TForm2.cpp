#include "TForm2.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWindow>

#include "FormDesign.h"
#include "SegmentedProgressBar.h"

namespace brelvo {

namespace {

constexpr int kDesignTextHeight = 13;
constexpr QSize kClientSize(392, 83);
// A redraw costs well under a millisecond; 25 a second are plenty to watch and cost the
// conversion next to nothing.
constexpr qint64 kRedrawIntervalMs = 40;
constexpr int kChangesPerClockCheck = 16;
constexpr int kExposeWaitMs = 1000;

// The label shows one line: whatever follows a line break is not shown.
QString FirstLine(const std::string& text) {
    const auto end = text.find_first_of("\r\n");
    return QString::fromStdString(text.substr(0, end));
}

}  // namespace

TForm2::TForm2(const Progress& progress, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      m_progress(progress),
      m_mainWindow(mainWindow),
      m_design(*this, kDesignTextHeight, kClientSize) {
    setObjectName("Form2");
    setWindowTitle(QStringLiteral("atrファイル変換中！"));
    // Closing it only hides it: it is not the main window.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_label = new QLabel(QStringLiteral("Labl1"), this);
    m_label->setObjectName("Label1");
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(false);
    m_label->move(m_design.Scaled(16), m_design.Scaled(10));
    m_label->adjustSize();

    m_bar = new SegmentedProgressBar(this);
    m_bar->setObjectName("ProgressBar1");
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setGeometry(m_design.Scaled(QRect(16, 48, 361, 17)));
    m_bar->setVisible(false);
    m_sinceDrawn.start();
}

QPoint TForm2::CentredOver(const QRect& mainFrame, const QSize& ownFrame) {
    // Each coordinate truncates toward zero, then a negative one becomes 0.
    const int left = mainFrame.left() + (mainFrame.width() - ownFrame.width()) / 2;
    const int top = mainFrame.top() + (mainFrame.height() - ownFrame.height()) / 2;
    return {std::max(left, 0), std::max(top, 0)};
}

void TForm2::ShowAndPaint() {
    Draw();
    if (!m_placed && m_mainWindow != nullptr) {
        // Until the window is mapped its frame is unknown; the main window's frame is the best guess.
        const QMargins frame(m_mainWindow->geometry().left() - m_mainWindow->frameGeometry().left(),
                             m_mainWindow->geometry().top() - m_mainWindow->frameGeometry().top(),
                             m_mainWindow->frameGeometry().right() - m_mainWindow->geometry().right(),
                             m_mainWindow->frameGeometry().bottom() - m_mainWindow->geometry().bottom());
        const QSize ownFrame = size().grownBy(frame);
        move(CentredOver(m_mainWindow->frameGeometry(), ownFrame));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    // Showing is asynchronous under a window manager: let the window reach the screen before the
    // run blocks the event loop, without handling any input meanwhile.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() != nullptr && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TForm2::ProgressChanged() {
    if (++m_changesSinceClockCheck < kChangesPerClockCheck) {
        return;
    }
    m_changesSinceClockCheck = 0;
    if (m_sinceDrawn.elapsed() >= kRedrawIntervalMs) {
        Draw();
    }
}

void TForm2::ProgressSettled() {
    Draw();
}

void TForm2::Draw() {
    m_sinceDrawn.restart();
    const QString text = FirstLine(m_progress.StatusText());
    if (m_label->text() != text) {
        m_label->setText(text);
        m_label->adjustSize();
    }
    const ProgressBarModel& bar = m_progress.Bar();
    m_bar->setValue(bar.Position());
    m_bar->setVisible(bar.Visible());
    if (isVisible()) {
        // The run keeps the event loop busy: paint now rather than wait for it.
        repaint();
    }
}

}  // namespace brelvo
