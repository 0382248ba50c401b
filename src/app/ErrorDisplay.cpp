#include "ErrorDisplay.h"

#include <QMessageBox>
#include <new>

namespace brelvo {

namespace {

std::function<void(const QString&)>& Presenter() {
    static std::function<void(const QString&)> presenter;
    return presenter;
}

int guardDepth = 0;

}  // namespace

QString ErrorDisplay::Text(const std::string& message) {
    QString text = QString::fromStdString(message);
    if (!text.isEmpty()) {
        const QChar last = text.back();
        const char32_t code = last.isLowSurrogate() && text.size() > 1
                                  ? QChar::surrogateToUcs4(text[text.size() - 2], last)
                                  : last.unicode();
        if (code > U'.') {
            text += QLatin1Char('.');
        }
    }
    return text;
}

void ErrorDisplay::Show(const std::exception& failure) {
    // A file of one giant line can exhaust memory (a line is held whole); the library's own text
    // for it would mean nothing to a user.
    const bool outOfMemory = dynamic_cast<const std::bad_alloc*>(&failure) != nullptr;
    Present(Text(outOfMemory ? "メモリが不足しています" : failure.what()));
}

void ErrorDisplay::Present(const QString& text) {
    if (Presenter()) {
        Presenter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Brelvo"), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // Above the stay-on-top progress window, which shows where a run failed.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void ErrorDisplay::Guard(const std::function<void()>& handler) {
    if (guardDepth > 0) {
        handler();
        return;
    }
    ++guardDepth;
    try {
        handler();
    } catch (const std::exception& failure) {
        --guardDepth;
        Show(failure);
        return;
    }
    --guardDepth;
}

void ErrorDisplay::SetPresenterForTests(std::function<void(const QString&)> presenter) {
    Presenter() = std::move(presenter);
}

}  // namespace brelvo
