#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

// Runs steps inside the event loops of windows that the game shows modally with exec(): a step
// waits until a window of its kind is the active modal window, then runs once, from inside that
// window's loop. A step may click something that opens the next modal window; schedule that
// window's step before the click. Every step must leave its window. A step that never finds its
// window or leaves it open, and a modal window that no step answers, end up hidden and listed in
// missed(), so that a wrong turn fails the test instead of hanging it. A standing answer
// (everyTime) answers every window of its kind that comes up while the script lives.
class DialogScript
{
public:
    DialogScript()
    {
        m_watchdog.callOnTimeout([this] { watch(); });
        m_watchdog.start(0);
    }
    DialogScript(const DialogScript &) = delete;
    DialogScript &operator=(const DialogScript &) = delete;
    ~DialogScript() { m_state->alive = false; }

    template <typename Window>
    void whenShown(const QString &name, std::function<void(Window &)> step)
    {
        poll<Window>(m_state, name, std::move(step), 0);
    }

    template <typename Window> void everyTime(std::function<void(Window &)> answer)
    {
        m_standing.push_back([answer](QWidget *modal) {
            auto *window = qobject_cast<Window *>(modal);
            if (window == nullptr || !window->isVisible())
                return false;
            answer(*window);
            return true;
        });
    }

    // The steps that ran, in order, and what went wrong.
    QStringList ran() const { return m_state->ran; }
    QStringList missed() const { return m_state->missed; }

private:
    struct State
    {
        bool alive = true;
        QStringList ran;
        QStringList missed;
    };

    // Event-loop rounds, not time: a window shown with exec() is modal before its loop turns once.
    static constexpr int MaxRounds = 1000;

    template <typename Window>
    static void poll(std::shared_ptr<State> state, QString name, std::function<void(Window &)> step,
                     int round)
    {
        QTimer::singleShot(0, qApp, [state, name, step, round] {
            if (!state->alive)
                return;
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *window = qobject_cast<Window *>(modal); window && window->isVisible()) {
                state->ran << name;
                step(*window);
                if (window->isVisible()) {
                    state->missed << name + QStringLiteral(" left open");
                    window->hide();
                }
            } else if (round < MaxRounds) {
                poll<Window>(state, name, step, round + 1);
            } else {
                state->missed << name + QStringLiteral(" not shown");
            }
        });
    }

    // Hides a modal window that stayed up for MaxRounds rounds without a step leaving it.
    void watch()
    {
        QWidget *modal = QApplication::activeModalWidget();
        for (const auto &answer : m_standing) {
            if (modal != nullptr && answer(modal))
                return;
        }
        if (modal != m_watched) {
            m_watched = modal;
            m_rounds = 0;
        } else if (modal && ++m_rounds > MaxRounds) {
            m_state->missed << modal->objectName() + QStringLiteral(" unanswered");
            modal->hide();
        }
    }

    std::shared_ptr<State> m_state = std::make_shared<State>();
    QTimer m_watchdog;
    std::vector<std::function<bool(QWidget *)>> m_standing;
    QPointer<QWidget> m_watched;
    int m_rounds = 0;
};
