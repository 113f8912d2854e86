#include "ColorBox.h"

#include "MainOptionDefaults.h"

#include <QPixmap>

namespace orlivo::app {
namespace {

QIcon swatch(const QColor& c) {
    QPixmap pixmap(16, 16);
    pixmap.fill(c);
    return QIcon(pixmap);
}

}  // namespace

ColorBox::ColorBox(QWidget* parent) : QComboBox(parent) {
    const std::pair<const char*, QColor> named[] = {
        {"Scroll bar", defaults::kColorGroup1},
        {"White", Qt::white},
        {"Cream", QColor(255, 251, 240)},
        {"Money green", QColor(192, 220, 192)},
        {"Sky blue", QColor(166, 202, 240)},
        {"Silver", QColor(192, 192, 192)},
        {"Medium gray", QColor(164, 160, 160)},
        {"Yellow", Qt::yellow},
        {"Aqua", Qt::cyan},
        {"Lime", Qt::green},
        {"Fuchsia", Qt::magenta},
        {"Red", Qt::red},
        {"Gray", Qt::gray},
        {"Black", Qt::black},
    };
    for (const auto& [name, c] : named) addItem(swatch(c), name, c);
}

QColor ColorBox::color() const {
    return currentData().value<QColor>();
}

void ColorBox::setColor(const QColor& color) {
    for (int i = 0; i < count(); ++i) {
        if (itemData(i).value<QColor>() == color) {
            setCurrentIndex(i);
            return;
        }
    }
    addItem(swatch(color), "Custom", color);
    setCurrentIndex(count() - 1);
}

}  // namespace orlivo::app
