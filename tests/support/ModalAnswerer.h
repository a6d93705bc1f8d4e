#pragma once

// Answers a modal window from inside the event loop it runs, for tests of the windows that open
// one (message boxes, questions, the data-link editor).

#include <QApplication>
#include <QTimer>

#include <functional>
#include <utility>

namespace quorvane::testing {

/// Answers the first modal window of class T that opens while this lives, from inside the event
/// loop the window runs; `answer` is called once with it.
template <typename T> class TModalAnswerer {
public:
    explicit TModalAnswerer(std::function<void(T*)> answer) : FAnswer(std::move(answer)) {
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
                FTimer.stop();
                ++Answers;
                FAnswer(modal);
            }
        });
        FTimer.start(10);
    }
    int Answers = 0;

private:
    std::function<void(T*)> FAnswer;
    QTimer FTimer;
};

} // namespace quorvane::testing
