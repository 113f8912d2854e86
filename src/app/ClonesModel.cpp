#include "ClonesModel.h"

#include "DisplaySize.h"
#include "ResultFilters.h"

#include <QFont>

namespace orlivo::app {

QColor readableOn(const QColor& background) {
    return background.lightnessF() > 0.55 ? QColor(Qt::black) : QColor(Qt::white);
}

ClonesModel::ClonesModel(const ImageList& images, QObject* parent)
    : QAbstractTableModel(parent), fImages(images), fRows(&fNone) {
    fMarks.reset(fNone);
}

void ClonesModel::setRows(const std::vector<duplicates::TCloneRecord>* rows, bool filtered) {
    beginResetModel();
    fRows = rows ? rows : &fNone;
    fFiltered = filtered;
    fMarks.reset(*fRows);
    endResetModel();
}

const duplicates::TCloneRecord* ClonesModel::record(int row) const {
    return row >= 0 && std::size_t(row) < fRows->size() ? &(*fRows)[row] : nullptr;
}

void ClonesModel::setLook(const Look& look) {
    fLook = look;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int ClonesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(fRows->size());
}

int ClonesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QColor ClonesModel::background(const duplicates::TCloneRecord& r) const {
    if (r.ColorId == 1)
        return fLook.group1;
    if (r.ColorId == 2)
        return fLook.group2;
    return QColor(1, 0, 0);  // the colour value 1 of any other group colour
}

QVariant ClonesModel::data(const QModelIndex& index, int role) const {
    const duplicates::TCloneRecord* r = record(index.row());
    if (!r)
        return {};  // a row beyond the end of its list stays empty
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case File:
                    return QString::fromStdString(r->FullPath);
                case Type:
                    return QString::fromStdString(r->FileType);
                case Size:
                    return ConvertToDisplaySize(duplicates::sizeOf(*r));
                case DateModified:
                    return QString::fromStdString(r->DateModified);
                case Grouping:
                    return QString("Group %1").arg(r->GroupID);
            }
            return {};
        case Qt::DecorationRole:
            if (index.column() == File)
                return fImages.icon(r->ImageIndex);
            if (index.column() == Grouping && fMarks.wholeGroupMarked(row))
                return fImages.icon(fImages.count() - 1);
            return {};
        case Qt::CheckStateRole:
            if (index.column() == File)
                return fMarks.marked(row) ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::FontRole:
            if (fMarks.marked(row)) {
                QFont font;
                if (fLook.strikeout)
                    font.setStrikeOut(true);
                else
                    font.setBold(true);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            if (!fFiltered)
                return background(*r);
            return {};
        case Qt::ForegroundRole:
            if (!fFiltered)
                return readableOn(background(*r));
            return {};
        case Qt::ToolTipRole:
            return QString::fromStdString(r->FullPath);
    }
    return {};
}

bool ClonesModel::setData(const QModelIndex& index, const QVariant&, int role) {
    if (role != Qt::CheckStateRole || index.column() != File || !record(index.row()))
        return false;
    if (toggleRow)
        toggleRow(index.row());
    return true;
}

QVariant ClonesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[ColumnCount] = {"File", "Type", "Size", "Date Modified", "Grouping"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString(titles[section]);
    return {};
}

Qt::ItemFlags ClonesModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == File)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

}  // namespace orlivo::app
