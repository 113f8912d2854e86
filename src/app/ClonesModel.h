#pragma once

#include "CloneRecords.h"
#include "FlatMarks.h"
#include "ImageList.h"

#include <QAbstractTableModel>
#include <QColor>

#include <functional>
#include <vector>

namespace orlivo::app {

// The flat view's rows, produced from the record list on demand: no row objects, whatever the list's
// length. The check box of a row is its state image: it shows and toggles the row's selection.
class ClonesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { File, Type, Size, DateModified, Grouping, ColumnCount };

    ClonesModel(const ImageList& images, QObject* parent = nullptr);

    // The list shown (the result list, or the filtered copies while filters are active).
    void setRows(const std::vector<duplicates::TCloneRecord>* rows, bool filtered);
    const std::vector<duplicates::TCloneRecord>& rows() const { return *fRows; }
    const duplicates::TCloneRecord* record(int row) const;
    bool filtered() const { return fFiltered; }

    duplicates::FlatMarks& marks() { return fMarks; }
    const duplicates::FlatMarks& marks() const { return fMarks; }

    struct Look {
        QColor group1{200, 200, 200};
        QColor group2{Qt::white};
        bool strikeout = false;  // a marked row in strikeout instead of bold
    };
    void setLook(const Look& look);

    // Called when a row's state image is clicked.
    std::function<void(int row)> toggleRow;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QColor background(const duplicates::TCloneRecord& r) const;

    const ImageList& fImages;
    const std::vector<duplicates::TCloneRecord>* fRows;
    std::vector<duplicates::TCloneRecord> fNone;
    bool fFiltered = false;
    duplicates::FlatMarks fMarks;
    Look fLook;
};

// Black or white, whichever reads on the background.
QColor readableOn(const QColor& background);

}  // namespace orlivo::app
