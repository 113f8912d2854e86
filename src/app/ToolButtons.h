#pragma once

#include <QStyle>
#include <QToolButton>

namespace orlivo::app {

// A flat tool-bar button with the style's standard icon, named for tests and stored settings.
inline QToolButton* makeToolButton(QWidget* parent, const QString& name, const QString& text,
                                   QStyle::StandardPixmap icon,
                                   Qt::ToolButtonStyle look = Qt::ToolButtonTextUnderIcon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(look);
    b->setAutoRaise(true);
    return b;
}

}  // namespace orlivo::app
