#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "FormDesign.h"
#include "Progress.h"
#include "ProgressListener.h"

class QLabel;
class QProgressBar;

namespace brelvo {

// The stay-on-top progress window shown during a run: the file and block being converted, and
// the bar. It draws the progress model by itself while a run blocks the event loop, at a
// bounded rate, so that drawing never costs more than the conversion.
class TForm2 : public QWidget, public ProgressListener {
    Q_OBJECT

public:
    TForm2(const Progress& progress, QWidget* mainWindow);

    // Shows the window in front and returns once it is on screen and fully drawn. The first
    // showing centres it over the main window; later ones keep where the user left it.
    void ShowAndPaint();

    void ProgressChanged() override;
    void ProgressSettled() override;

    QLabel* label() const { return m_label; }
    QProgressBar* progressBar() const { return m_bar; }

    // Where the window's outer frame goes to stand centred over the main window's outer frame.
    static QPoint CentredOver(const QRect& mainFrame, const QSize& ownFrame);

private:
    void Draw();

    const Progress& m_progress;
    QWidget* m_mainWindow;
    QLabel* m_label;
    QProgressBar* m_bar;
    FormDesign m_design;
    bool m_placed = false;
    int m_changesSinceClockCheck = 0;
    QElapsedTimer m_sinceDrawn;
};

}  // namespace brelvo
