#pragma once

#include <QTableView>

#include <functional>
#include <vector>

namespace orlivo::app {

class ClonesModel;

// The flat result view. Its marks are the selected rows, kept by the model's marks rather than by a Qt
// selection model: selecting, inverting or clearing tens of thousands of rows then costs one pass over
// the list, where Qt's range lists grow quadratic. Mouse and keyboard select as a list view does:
// click, Ctrl+click, Shift+click, arrows with Shift, Ctrl+Space, Ctrl+A; a click on a row's state image
// toggles that row alone.
class FlatView : public QTableView {
    Q_OBJECT
public:
    explicit FlatView(QWidget* parent = nullptr);

    void setClonesModel(ClonesModel* model);

    void clearMarks();
    void markRows(const std::vector<int>& rows);
    void toggleRow(int row);
    void invertMarks();
    void setCurrentRow(int row);

signals:
    // After every change of the marks.
    void marksChanged();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool onStateImage(const QModelIndex& index, const QPoint& pos) const;
    void pick(int row, Qt::KeyboardModifiers modifiers);
    void changed();

    ClonesModel* fModel = nullptr;
    int fAnchor = 0;
    bool fDragging = false;
};

}  // namespace orlivo::app
