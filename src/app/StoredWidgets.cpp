#include "StoredWidgets.h"

#include "ColorBox.h"
#include "WindowGeometry.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QScreen>
#include <QSpinBox>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace orlivo::app {
namespace {

std::optional<qint64> number(const QString& text) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

std::optional<bool> flag(const QString& text) {
    const auto v = number(text);
    return v ? std::optional<bool>(*v != 0) : std::nullopt;
}

}  // namespace

void storeChecked(FormStorage& storage, QCheckBox* box) {
    storage.add({box->objectName(), "Checked", [box] { return QString(box->isChecked() ? "1" : "0"); },
                 [box](const QString& t) {
                     if (const auto v = flag(t))
                         box->setChecked(*v);
                 }});
}

void storeChecked(FormStorage& storage, QAction* item) {
    storage.add({item->objectName(), "Checked", [item] { return QString(item->isChecked() ? "1" : "0"); },
                 [item](const QString& t) {
                     if (const auto v = flag(t))
                         item->setChecked(*v);
                 }});
}

void storeValue(FormStorage& storage, QSpinBox* box) {
    storage.add({box->objectName(), "Value", [box] { return QString::number(box->value()); },
                 [box](const QString& t) {
                     if (const auto v = number(t))
                         box->setValue(int(std::clamp<qint64>(*v, box->minimum(), box->maximum())));
                 }});
}

void storeItemIndex(FormStorage& storage, QComboBox* box) {
    storage.add({box->objectName(), "ItemIndex", [box] { return QString::number(box->currentIndex()); },
                 [box](const QString& t) {
                     const auto v = number(t);
                     if (!v || *v < -1 || *v >= box->count())
                         return;
                     const QSignalBlocker quiet(box);
                     box->setCurrentIndex(int(*v));
                 }});
}

void storeItemIndex(FormStorage& storage, QButtonGroup* group) {
    storage.add({group->objectName(), "ItemIndex", [group] { return QString::number(group->checkedId()); },
                 [group](const QString& t) {
                     const auto v = number(t);
                     if (!v)
                         return;
                     if (auto* button = group->button(int(*v)))
                         button->setChecked(true);
                 }});
}

void storeColor(FormStorage& storage, ColorBox* box) {
    storage.add({box->objectName(), "Selected", [box] { return box->color().name(); },
                 [box](const QString& t) {
                     const QColor c = QColor::fromString(t.trimmed());
                     if (c.isValid())
                         box->setColor(c);
                 }});
}

void storeText(FormStorage& storage, const QString& component, const QString& property, QString& value) {
    storage.add({component, property, [&value] { return value; }, [&value](const QString& t) { value = t; }});
}

void storePlacement(FormStorage& storage, QWidget* window) {
    // One value "left,top,width,height,state"; the normal (not maximized) geometry is kept, so that a
    // window restored maximized still has a sensible size to return to.
    auto read = [window] {
        const QRect g = window->isMaximized() && window->normalGeometry().isValid() ? window->normalGeometry()
                                                                                    : window->geometry();
        return QString("%1,%2,%3,%4,%5")
            .arg(g.x())
            .arg(g.y())
            .arg(g.width())
            .arg(g.height())
            .arg(window->isMaximized() ? 2 : 0);
    };
    auto apply = [window](const QString& text) {
        const QStringList parts = text.split(',');
        if (parts.size() != 5)
            return;
        std::optional<qint64> v[5];
        for (int i = 0; i < 5; ++i) {
            v[i] = number(parts[i]);
            if (!v[i] || std::abs(*v[i]) > 100000)
                return;
        }
        const QSize minimum = window->minimumSize();
        WindowRect r{int(*v[0]), int(*v[1]), std::max(int(*v[2]), minimum.width()),
                     std::max(int(*v[3]), minimum.height())};
        if (const QScreen* screen = window->screen() ? window->screen() : QApplication::primaryScreen()) {
            const QRect a = screen->availableGeometry();
            r.width = std::min(r.width, a.width());
            r.height = std::min(r.height, a.height());
            r = ClampToWorkArea(r, {a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
        }
        window->setGeometry(r.left, r.top, r.width, r.height);
        if (*v[4] == 2)
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
    };
    storage.add({{}, "Placement", read, apply});
}

}  // namespace orlivo::app
