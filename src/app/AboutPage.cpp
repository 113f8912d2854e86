#include "AboutPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orlivo::app {

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    setObjectName("AboutPage");
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    auto* title = new QLabel("<h1>Orlivo 10</h1>", this);
    auto* maker = new QLabel("Marrowby Technologies Inc.", this);
    auto* tools = new QLabel(
        "Duplicate files finder with Rescue Center &bull; Cleaner and Optimizer &bull; Zip file Manager<br>"
        "Startup Manager &bull; File Shredder &bull; Find Files",
        this);
    auto* link = new QLabel(QString("<a href=\"%1\">%1</a>").arg(kMakerWebAddress), this);
    link->setObjectName("lblWebAddress");
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    for (QLabel* label : {title, maker, tools, link}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addStretch();
    connect(link, &QLabel::linkActivated, this, &AboutPage::webAddressClicked);
}

}  // namespace orlivo::app
