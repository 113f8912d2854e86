#pragma once

#include <QColor>
#include <QComboBox>

namespace orlivo::app {

// A drop list of named colours with a swatch each; a colour not in the list is added as "Custom".
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);

    QColor color() const;
    void setColor(const QColor& color);
};

}  // namespace orlivo::app
