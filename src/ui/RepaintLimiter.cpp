#include "ui/RepaintLimiter.h"

#include <QCoreApplication>

namespace velorin::ui {

namespace {

// 25 frames a second: smooth to the eye, and a full run draws its lists only
// a dozen times.
constexpr qint64 kFrameMilliseconds = 40;

}  // namespace

RepaintLimiter::RepaintLimiter(std::initializer_list<QWidget*> widgets) : widgets_(widgets.begin(), widgets.end()) {
    SetDrawing(false);
    sinceFrame_.start();
}

RepaintLimiter::~RepaintLimiter() {
    SetDrawing(true);
}

void RepaintLimiter::ProcessEvents() {
    const bool frameDue = sinceFrame_.hasExpired(kFrameMilliseconds);
    if (frameDue) {
        SetDrawing(true);  // schedules a redraw of each widget
        sinceFrame_.restart();
    }
    QCoreApplication::processEvents();
    if (frameDue) SetDrawing(false);
}

void RepaintLimiter::SetDrawing(bool drawing) {
    for (QWidget* widget : widgets_)
        if (widget) widget->setUpdatesEnabled(drawing);
}

}  // namespace velorin::ui
