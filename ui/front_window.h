#pragma once

class QWidget;

namespace varnholt {

// The window a new message box or file dialog belongs to, so that the window manager stacks it
// in front of every window of the program: a modal window already up, else a window kept on
// top (the design options beside the main window), else `fallback`, the window the message
// is about, while it shows, else the active window.
QWidget* frontWindow(QWidget* fallback);

}  // namespace varnholt
