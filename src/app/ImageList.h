#pragma once

#include <QIcon>
#include <QList>

namespace orlivo::app {

// An image list of small icons addressed by index, as list views use them.
class ImageList {
public:
    int add(const QIcon& icon) {
        fIcons.append(icon);
        return int(fIcons.size()) - 1;
    }
    int count() const { return int(fIcons.size()); }
    QIcon icon(int index) const { return index >= 0 && index < fIcons.size() ? fIcons[index] : QIcon(); }
    void clear() { fIcons.clear(); }

private:
    QList<QIcon> fIcons;
};

}  // namespace orlivo::app
