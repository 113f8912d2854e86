#pragma once

#include <QString>
#include <QWidget>

namespace orlivo::app {

inline const QString kMakerWebAddress = QStringLiteral("https://www.marrowby.example/orlivo");

// The About page: the program, its maker and the maker's web address.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);

signals:
    void webAddressClicked();
};

}  // namespace orlivo::app
