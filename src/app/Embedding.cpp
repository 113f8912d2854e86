#include "Embedding.h"

#include <QLayout>
#include <QVBoxLayout>
#include <QWidget>

namespace orlivo::app {

bool HostIsEmpty(const QWidget* host) {
    return host->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
}

bool EmbedWindow(QWidget* window, QWidget* host) {
    if (!window || !host || !HostIsEmpty(host))
        return false;
    window->hide();
    window->setParent(host, Qt::Widget);
    QLayout* layout = host->layout();
    if (!layout) {
        layout = new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(window);
    window->show();
    return true;
}

}  // namespace orlivo::app
