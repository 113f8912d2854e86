#include "FlatView.h"

#include "ClonesModel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace orlivo::app {

namespace {

// Draws marked rows as selected rows, in the style's own selection colours.
class MarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QRect stateImageRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* w = option.widget;
        return w->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, w);
    }

    // The state image toggles through the view's own handling of the press, never through the
    // delegate, so a click is counted once.
    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override {
        return false;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked ||
            (index.column() != 0 && index.siblingAtColumn(0).data(Qt::CheckStateRole).toInt() == Qt::Checked))
            option->state |= QStyle::State_Selected;
        else
            option->state &= ~QStyle::State_Selected;
    }
};

}  // namespace

FlatView::FlatView(QWidget* parent) : QTableView(parent) {
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new MarkDelegate(this));
}

void FlatView::setClonesModel(ClonesModel* model) {
    fModel = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { fAnchor = 0; });
}

void FlatView::changed() {
    viewport()->update();
    emit marksChanged();
}

void FlatView::clearMarks() {
    if (fModel->marks().count() == 0)
        return;
    fModel->marks().clear();
    changed();
}

void FlatView::markRows(const std::vector<int>& rows) {
    for (int row : rows) fModel->marks().mark(row);
    changed();
}

void FlatView::toggleRow(int row) {
    fModel->marks().toggle(row);
    changed();
}

void FlatView::invertMarks() {
    fModel->marks().invert();
    changed();
}

void FlatView::setCurrentRow(int row) {
    selectionModel()->setCurrentIndex(fModel->index(row, 0), QItemSelectionModel::NoUpdate);
}

bool FlatView::onStateImage(const QModelIndex& index, const QPoint& pos) const {
    if (index.column() != 0)
        return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return static_cast<MarkDelegate*>(itemDelegate())->stateImageRect(option, index).contains(pos);
}

// A row chosen by mouse or keyboard, as list views mark it.
void FlatView::pick(int row, Qt::KeyboardModifiers modifiers) {
    duplicates::FlatMarks& marks = fModel->marks();
    const bool ctrl = modifiers & Qt::ControlModifier, shift = modifiers & Qt::ShiftModifier;
    if (shift) {
        if (!ctrl)
            marks.clear();
        marks.markRange(fAnchor, row);
    } else if (ctrl) {
        marks.toggle(row);
        fAnchor = row;
    } else {
        marks.clear();
        marks.mark(row);
        fAnchor = row;
    }
    setCurrentRow(row);
    changed();
}

void FlatView::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(e->position().toPoint());
    if (!fModel)
        return;
    if (!index.isValid()) {
        if (!(e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)))
            clearMarks();
        return;
    }
    const int row = index.row();
    if (e->button() == Qt::RightButton) {
        // A right click keeps the marks when it lands on a marked row, so its menu acts on all of them.
        if (!fModel->marks().marked(row))
            pick(row, Qt::NoModifier);
        setCurrentRow(row);
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    if (onStateImage(index, e->position().toPoint())) {
        fModel->marks().toggle(row);
        fAnchor = row;
        setCurrentRow(row);
        changed();
        return;
    }
    pick(row, e->modifiers());
    fDragging = !(e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier));
}

void FlatView::mouseMoveEvent(QMouseEvent* e) {
    if (!fDragging || !(e->buttons() & Qt::LeftButton))
        return;
    const QModelIndex index = indexAt(e->position().toPoint());
    if (index.isValid() && index.row() != currentIndex().row()) {
        fModel->marks().clear();
        fModel->marks().markRange(fAnchor, index.row());
        setCurrentRow(index.row());
        changed();
    }
}

void FlatView::mouseReleaseEvent(QMouseEvent*) {
    fDragging = false;
}

void FlatView::keyPressEvent(QKeyEvent* e) {
    if (!fModel || fModel->rowCount() == 0)
        return QTableView::keyPressEvent(e);
    CursorAction action;
    switch (e->key()) {
        case Qt::Key_Up:
            action = MoveUp;
            break;
        case Qt::Key_Down:
            action = MoveDown;
            break;
        case Qt::Key_PageUp:
            action = MovePageUp;
            break;
        case Qt::Key_PageDown:
            action = MovePageDown;
            break;
        case Qt::Key_Home:
            action = MoveHome;
            break;
        case Qt::Key_End:
            action = MoveEnd;
            break;
        case Qt::Key_Space:
            if (currentIndex().isValid())
                pick(currentIndex().row(),
                     e->modifiers() & Qt::ControlModifier ? Qt::ControlModifier : Qt::NoModifier);
            return;
        case Qt::Key_A:
            if (e->modifiers() & Qt::ControlModifier) {
                fModel->marks().markRange(0, fModel->rowCount() - 1);
                changed();
                return;
            }
            [[fallthrough]];
        default:
            return QTableView::keyPressEvent(e);
    }
    const QModelIndex next = moveCursor(action, e->modifiers());
    if (!next.isValid())
        return;
    if (e->modifiers() & Qt::ControlModifier && !(e->modifiers() & Qt::ShiftModifier))
        setCurrentRow(next.row());  // Ctrl moves without marking; Ctrl+Space marks
    else
        pick(next.row(), e->modifiers());
    scrollTo(next);
}

}  // namespace orlivo::app
