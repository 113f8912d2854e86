#include "Themes.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace orlivo::app {
namespace {

const QString kLight = QStringLiteral("Orlivo Light");
const QString kDark = QStringLiteral("Orlivo Dark");

QPalette darkPalette() {
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 30), text(220, 220, 220), highlight(0, 122, 204);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(86, 156, 214));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return p;
}

}  // namespace

Themes::Themes(const QString& nativeStyleName) : fNative(nativeStyleName) {}

QStringList Themes::names() const {
    return {fNative, kLight, kDark};
}

bool Themes::apply(const QString& name) const {
    const QString styleName = name == fNative ? fNative : QStringLiteral("Fusion");
    if (name != fNative && name != kLight && name != kDark)
        return false;
    QStyle* style = QStyleFactory::create(styleName);
    if (!style)
        return false;
    QApplication::setStyle(style);
    QApplication::setPalette(name == kDark ? darkPalette() : style->standardPalette());
    return true;
}

}  // namespace orlivo::app
