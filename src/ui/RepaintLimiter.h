#pragma once
// A generation run lists names far faster than a screen can show them, and
// drawing the lists after every name would cost many times more than making
// the names. While a limiter lives, the widgets given to it are redrawn at
// most once a frame; the rest of the window draws as usual, and every pending
// event is still handled after every name.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace velorin::ui {

class RepaintLimiter {
public:
    explicit RepaintLimiter(std::initializer_list<QWidget*> widgets);
    // The widgets draw as usual again, starting with their latest state.
    ~RepaintLimiter();
    RepaintLimiter(const RepaintLimiter&) = delete;
    RepaintLimiter& operator=(const RepaintLimiter&) = delete;

    // Lets the window handle its pending events; when a frame is due, the
    // widgets are redrawn among them.
    void ProcessEvents();

private:
    void SetDrawing(bool drawing);

    std::vector<QPointer<QWidget>> widgets_;
    QElapsedTimer sinceFrame_;
};

}  // namespace velorin::ui
