#include "GroupedModel.h"

#include <QFont>

namespace orlivo::app {

// Top rows carry id 0; a child carries its group's number + 1.
GroupedModel::GroupedModel(duplicates::GroupedList& list, const ImageList& images, QObject* parent)
    : QAbstractItemModel(parent), fList(list), fImages(images) {}

void GroupedModel::reload() {
    beginResetModel();
    endResetModel();
}

QModelIndex GroupedModel::index(int row, int column, const QModelIndex& parent) const {
    if (column < 0 || column >= ColumnCount || row < 0)
        return {};
    if (!parent.isValid())
        return std::size_t(row) < fList.groups.size() ? createIndex(row, column, quintptr(0)) : QModelIndex();
    if (parent.internalId() != 0 || std::size_t(parent.row()) >= fList.groups.size())
        return {};
    if (row > int(fList.groups[parent.row()].rows.size()))
        return {};
    return createIndex(row, column, quintptr(parent.row() + 1));
}

QModelIndex GroupedModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int GroupedModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(fList.groups.size());
    if (parent.internalId() != 0 || parent.column() != 0 || std::size_t(parent.row()) >= fList.groups.size())
        return 0;
    return int(fList.groups[parent.row()].rows.size()) + 1;  // the footer last
}

int GroupedModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

GroupedModel::Kind GroupedModel::kindOf(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == 0)
        return Kind::Header;
    const int g = int(index.internalId() - 1);
    return index.row() < int(fList.groups[g].rows.size()) ? Kind::FileRow : Kind::Footer;
}

int GroupedModel::groupOf(const QModelIndex& index) const {
    if (!index.isValid())
        return -1;
    const int g = index.internalId() == 0 ? index.row() : int(index.internalId() - 1);
    return std::size_t(g) < fList.groups.size() ? g : -1;
}

duplicates::GroupedRow* GroupedModel::rowAt(const QModelIndex& index) const {
    if (kindOf(index) != Kind::FileRow)
        return nullptr;
    const int g = groupOf(index);
    return g < 0 ? nullptr : &fList.groups[g].rows[index.row()];
}

QVariant GroupedModel::data(const QModelIndex& index, int role) const {
    const int g = groupOf(index);
    if (g < 0)
        return {};
    const duplicates::GroupedGroup& group = fList.groups[g];
    const Qt::Alignment groupAlign =
        group.alignment == duplicates::GroupAlignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    switch (kindOf(index)) {
        case Kind::Header:
            if (role == Qt::DisplayRole && index.column() == File)
                return QString::fromStdString(group.header);
            if (role == Qt::FontRole) {
                QFont f;
                f.setBold(true);
                return f;
            }
            if (role == Qt::TextAlignmentRole)
                return QVariant::fromValue(groupAlign | Qt::AlignVCenter);
            return {};
        case Kind::Footer:
            if (role == Qt::DisplayRole && index.column() == File)
                return QString::fromStdString(group.footer);
            if (role == Qt::FontRole) {
                QFont f;
                f.setItalic(true);
                return f;
            }
            if (role == Qt::TextAlignmentRole)
                return QVariant::fromValue(groupAlign | Qt::AlignVCenter);
            return {};
        case Kind::FileRow:
            break;
    }
    const duplicates::GroupedRow& r = group.rows[index.row()];
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case File:
                    return QString::fromStdString(r.path);
                case Type:
                    return QString::fromStdString(r.extension);
                case Size:
                    return QString::fromStdString(r.sizeText);
                case Date:
                    return QString::fromStdString(r.dateText);
                case GroupId:
                    return QString::number(r.groupId);
                case DuplicateId:
                    return QString::number(r.duplicateId);
            }
            return {};
        case Qt::CheckStateRole:
            return index.column() == File ? QVariant(r.checked ? Qt::Checked : Qt::Unchecked) : QVariant();
        case Qt::DecorationRole:
            if (index.column() == File)
                return fImages.icon(r.imageIndex);
            if (index.column() == GroupId && group.allChecked())
                return fImages.icon(fImages.count() - 1);
            return {};
        case Qt::FontRole:
            if (r.checked) {
                QFont f;
                if (fStrikeout)
                    f.setStrikeOut(true);
                else
                    f.setBold(true);
                return f;
            }
            return {};
        case Qt::ToolTipRole:
            return QString::fromStdString(r.path);
    }
    return {};
}

bool GroupedModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    duplicates::GroupedRow* r = rowAt(index);
    if (!r || role != Qt::CheckStateRole || index.column() != File)
        return false;
    r->checked = value.toInt() == Qt::Checked;
    // The whole group repaints: its warning icons depend on every check box of the group.
    const QModelIndex parentIndex = index.parent();
    emit dataChanged(this->index(0, 0, parentIndex),
                     this->index(rowCount(parentIndex) - 1, ColumnCount - 1, parentIndex));
    if (checksChanged)
        checksChanged();
    return true;
}

QVariant GroupedModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[ColumnCount] = {"File", "Type",     "Size",
                                                    "Date", "Group ID", "Duplicate ID"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString(titles[section]);
    return {};
}

Qt::ItemFlags GroupedModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    switch (kindOf(index)) {
        case Kind::Header:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        case Kind::Footer:
            return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
        case Kind::FileRow:
            break;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == File)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

}  // namespace orlivo::app
