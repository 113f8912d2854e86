#pragma once

class QWidget;

namespace orlivo::app {

// Puts a window into a host panel of a page: hidden, made borderless, parented to the panel, filling it
// and shown again. Does nothing when the panel already holds a control, so a tool is embedded once.
// True when it embedded the window now.
bool EmbedWindow(QWidget* window, QWidget* host);
bool HostIsEmpty(const QWidget* host);

}  // namespace orlivo::app
