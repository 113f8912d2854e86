#pragma once

#include "CloneRecords.h"
#include "ImageList.h"

#include <QAbstractListModel>
#include <QDockWidget>

#include <vector>

class QLabel;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace orlivo::app {

// The navigator's name tree over the node list: one row per file name, produced on demand.
class NodesModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int StaticTextRole = Qt::UserRole + 1;

    NodesModel(const std::vector<duplicates::TNodeItems>& nodes, const ImageList& images, QObject* parent);
    // After the node list changed.
    void reload();
    void refreshRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const std::vector<duplicates::TNodeItems>& fNodes;
    const ImageList& fImages;
};

// The "Navigator" tool window: the root node with the state of the last scan, the link to the last
// saved search, and the names that have duplicates. It can be floated and docked again, never closed.
class TNavigator_f : public QDockWidget {
    Q_OBJECT
public:
    TNavigator_f(const std::vector<duplicates::TNodeItems>& nodes, const ImageList& images, QWidget* parent);

    void setRootText(const QString& text);
    QString rootText() const;
    NodesModel& nodes() { return *fModel; }

    QTreeWidget* jvDupNodes = nullptr;
    QLabel* lblOpenLast = nullptr;
    QTreeView* vVNodes = nullptr;

signals:
    void jvdupNodesClick();
    void lblOpenLastClick();
    void vVNodesNodeClick(int node);

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NodesModel* fModel = nullptr;
    QTreeWidgetItem* fRoot = nullptr;
};

}  // namespace orlivo::app
