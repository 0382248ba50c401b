#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>

namespace brelvo {

// The application's one error display: a stop box captioned "Brelvo" with the failure's message.
class ErrorDisplay {
public:
    // The message as shown: a full stop follows when the last character's code is above ".".
    static QString Text(const std::string& message);

    static void Show(const std::exception& failure);

    // Runs an event handler: a failure ends it and is shown, then the program goes on. Handlers
    // that run inside another (a control assignment raising its change event) leave their
    // failure to the outermost one, as if they were part of it.
    static void Guard(const std::function<void()>& handler);

    // Replaces the message box, for tests: a modal box would stop a headless run.
    static void SetPresenterForTests(std::function<void(const QString&)> presenter);

private:
    static void Present(const QString& text);
};

}  // namespace brelvo
