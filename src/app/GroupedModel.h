#pragma once

#include "GroupedList.h"
#include "ImageList.h"

#include <QAbstractItemModel>

#include <functional>

namespace orlivo::app {

// The grouped view over its list: one top row per group (its header), the group's files with check
// boxes under it, and the group's footer as its last child.
class GroupedModel : public QAbstractItemModel {
    Q_OBJECT
public:
    enum Column { File, Type, Size, Date, GroupId, DuplicateId, ColumnCount };
    enum class Kind { Header, FileRow, Footer };

    GroupedModel(duplicates::GroupedList& list, const ImageList& images, QObject* parent = nullptr);

    // After the list changed in any other way than a check box.
    void reload();
    void setStrikeout(bool on) { fStrikeout = on; }

    Kind kindOf(const QModelIndex& index) const;
    // The group of a row of any kind, or -1.
    int groupOf(const QModelIndex& index) const;
    // The file row's entry, or null.
    duplicates::GroupedRow* rowAt(const QModelIndex& index) const;

    // Called after a check box changed.
    std::function<void()> checksChanged;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    duplicates::GroupedList& fList;
    const ImageList& fImages;
    bool fStrikeout = false;
};

}  // namespace orlivo::app
