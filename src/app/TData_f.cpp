#include "TData_f.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace orlivo::app {
namespace {

QCheckBox* check(QWidget* parent, const QString& name, const QString& caption, bool on) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

QSpinBox* number(QWidget* parent, const QString& name, int value, int max) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, max);
    box->setValue(value);
    return box;
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

std::int64_t localDayStartNs(const QDate& d, bool endOfDay) {
    const QDateTime t(d, endOfDay ? QTime(23, 59, 59) : QTime(0, 0));
    return t.toMSecsSinceEpoch() * 1000000;
}

}  // namespace

TData_f::TData_f(AppContext& context, QWidget* parent)
    : QDialog(parent), fContext(context), fStorage("Data_f") {
    setObjectName("Data_f");
    setWindowTitle("Options");
    auto* layout = new QVBoxLayout(this);

    auto* pathRow = new QHBoxLayout();
    pathRow->addWidget(new QLabel("Select path", this));
    cbPath = new QComboBox(this);
    cbPath->setObjectName("cbPath");
    cbPath->setEditable(true);
    cbPath->setMinimumWidth(320);
    btnAdd = new QToolButton(this);
    btnAdd->setObjectName("btnAdd");
    btnAdd->setText("+");
    btnAdd->setPopupMode(QToolButton::MenuButtonPopup);
    auto* addMenu = new QMenu(btnAdd);
    QAction* clearAll = addMenu->addAction("Clear all");
    btnAdd->setMenu(addMenu);
    btnDelete = new QPushButton("X", this);
    btnDelete->setObjectName("btnDelete");
    pathRow->addWidget(cbPath, 1);
    pathRow->addWidget(btnAdd);
    pathRow->addWidget(btnDelete);
    layout->addLayout(pathRow);
    layout->addWidget(new QLabel("Selected paths to search", this));
    lbPaths = new QListWidget(this);
    lbPaths->setObjectName("lbPaths");
    lbPaths->setSortingEnabled(true);
    lbPaths->setMaximumHeight(110);
    layout->addWidget(lbPaths);
    auto* depthRow = new QHBoxLayout();
    cbSub = check(this, "cbSub", "Included subdirectories", true);
    jvDepth = number(this, "jvDepth", 3, 10);
    depthRow->addWidget(cbSub);
    depthRow->addStretch();
    depthRow->addWidget(new QLabel("Recurse depth", this));
    depthRow->addWidget(jvDepth);
    layout->addLayout(depthRow);

    pages = new QTabWidget(this);
    auto* filters = new QWidget(pages);
    auto* f = new QFormLayout(filters);
    cbMasks = new QComboBox(filters);
    cbMasks->setObjectName("cbMasks");
    cbMasks->setEditable(true);
    cbMasks->addItems({"*.*", "*.pdf", "*.docx;*.doc;*.xls;*.xlsx", "*.txt;*.text"});
    cbMasks->setCurrentText("*.*");
    f->addRow("File masks", cbMasks);
    auto sizeRow = [&](QCheckBox*& box, QSpinBox*& edit, const char* boxName, const char* caption,
                       const char* editName, bool on, int value) {
        box = check(filters, boxName, caption, on);
        edit = number(filters, editName, value, 1000000);
        auto* row = new QHBoxLayout();
        row->addWidget(edit);
        row->addWidget(new QLabel("MB", filters));
        f->addRow(box, row);
    };
    sizeRow(cbMinSz, edMin, "cbMinSz", "Minimum size (KB)", "edMin", true, 1);
    sizeRow(cbMaxSz, edMax, "cbMaxSz", "Maximum size (KB)", "edMax", false, 0);
    cbDateFrom = check(filters, "cbDateFrom", "Files from:", false);
    dtPickerFrom = new QDateEdit(QDate::currentDate(), filters);
    dtPickerFrom->setObjectName("dtPickerFrom");
    dtPickerFrom->setMinimumDate(QDate(1980, 1, 1));
    cbDateTo = check(filters, "cbDateTo", "Files to:", false);
    dtPickerTo = new QDateEdit(QDate::currentDate(), filters);
    dtPickerTo->setObjectName("dtPickerTo");
    dtPickerTo->setMinimumDate(QDate(1980, 1, 1));
    f->addRow(cbDateFrom, dtPickerFrom);
    f->addRow(cbDateTo, dtPickerTo);
    pages->addTab(filters, "Filters");

    auto* criteria = new QWidget(pages);
    auto* c = new QVBoxLayout(criteria);
    cbSameName = check(criteria, "cbSameName", "Same file name (minimum criterion required)", true);
    cbSize = check(criteria, "cbSize", "Same size (minimum criterion required)", true);
    cbSameName->setEnabled(false);
    cbSize->setEnabled(false);
    cbSameCreateDate = check(criteria, "cbSameCreateDate", "Same creation date", false);
    cbSameModDate = check(criteria, "cbSameModDate", "Same modified date", false);
    for (QWidget* w : {static_cast<QWidget*>(cbSameName), static_cast<QWidget*>(cbSize),
                       static_cast<QWidget*>(cbSameCreateDate), static_cast<QWidget*>(cbSameModDate)}) {
        c->addWidget(w);
    }
    rgFileContent = new QButtonGroup(criteria);
    rgFileContent->setObjectName("rgFileContent");
    const QStringList contentCaptions = {"Files must have same content (slower)", "Ignore contents of files"};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(contentCaptions[i], criteria);
        rgFileContent->addButton(radio, i);
        c->addWidget(radio);
    }
    rgFileContent->button(1)->setChecked(true);
    auto* compareRow = new QHBoxLayout();
    lblCompare = new QLabel("Content comparism", criteria);
    cbCompare = new QComboBox(criteria);
    cbCompare->setObjectName("cbCompare");
    cbCompare->addItems({"MD5", "Byte-to-Byte"});
    compareRow->addWidget(lblCompare);
    compareRow->addWidget(cbCompare);
    compareRow->addStretch();
    c->addLayout(compareRow);
    c->addStretch();
    pages->addTab(criteria, "Duplicate criteria");

    auto* exclusions = new QWidget(pages);
    auto* x = new QVBoxLayout(exclusions);
    x->addWidget(new QLabel("Drive or folder", exclusions));
    ListBox1 = new QListWidget(exclusions);
    ListBox1->setObjectName("ListBox1");
    x->addWidget(ListBox1);
    auto* exButtons = new QHBoxLayout();
    exButtons->addWidget(new QPushButton("Add...", exclusions));
    exButtons->addWidget(new QPushButton("Remove", exclusions));
    x->addLayout(exButtons);
    exclusions->setEnabled(false);  // kept, but no scan consults it
    pages->addTab(exclusions, "Exclusions");

    auto* attributes = new QWidget(pages);
    auto* a = new QVBoxLayout(attributes);
    cbSystem = check(attributes, "cbSystem", "Ignore System files", true);
    cbHidden = check(attributes, "cbHidden", "Ignore hidden files", true);
    cbReadOnly = check(attributes, "cbReadOnly", "Ignore read only files", true);
    cb0Bytes = check(attributes, "cb0Bytes", "Ignore 0 bytes files", false);
    cb0Bytes->setEnabled(false);
    for (QCheckBox* b : {cbSystem, cbHidden, cbReadOnly, cb0Bytes}) a->addWidget(b);
    a->addStretch();
    pages->addTab(attributes, "Attributes");
    layout->addWidget(pages);

    auto* buttons = new QHBoxLayout();
    btnStart = new QPushButton("Start", this);
    btnStart->setObjectName("btnStart");
    btnCancel = new QPushButton("Close", this);
    btnCancel->setObjectName("btnCancel");
    buttons->addStretch();
    buttons->addWidget(btnStart);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    connect(btnAdd, &QToolButton::clicked, this, &TData_f::btnAddClick);
    connect(clearAll, &QAction::triggered, this, &TData_f::ClearAllClick);
    connect(btnDelete, &QPushButton::clicked, this, &TData_f::btnDeleteClick);
    connect(cbPath, &QComboBox::activated, this, &TData_f::cbPathSelect);
    connect(cbSub, &QCheckBox::clicked, this, &TData_f::cbSubClick);
    connect(btnStart, &QPushButton::clicked, this, &TData_f::btnStartClick);
    connect(btnCancel, &QPushButton::clicked, this, [this] { done(2); });
    for (QCheckBox* b : {cbSub, cbMinSz, cbMaxSz, cbDateFrom, cbDateTo})
        connect(b, &QCheckBox::toggled, this, &TData_f::updateEnabling);
    connect(rgFileContent, &QButtonGroup::idToggled, this, &TData_f::updateEnabling);
    updateEnabling();

    fStorage.setFileName(context.folders.settingsFile());
    fStorage.add({"cbPath", "Items", [this] { return itemsOf(cbPath).join('|'); },
                  [this](const QString& t) {
                      cbPath->clear();
                      if (!t.isEmpty())
                          cbPath->addItems(t.split('|'));
                  }});
    fStorage.add({"cbPath", "ItemIndex", [this] { return QString::number(cbPath->currentIndex()); },
                  [this](const QString& t) {
                      bool ok = false;
                      const int i = t.toInt(&ok);
                      if (ok && i >= -1 && i < cbPath->count())
                          cbPath->setCurrentIndex(i);
                  }});
    fStorage.add({"ListBox1", "Items",
                  [this] {
                      QStringList items;
                      for (int i = 0; i < ListBox1->count(); ++i) items << ListBox1->item(i)->text();
                      return items.join('|');
                  },
                  [this](const QString& t) {
                      ListBox1->clear();
                      if (!t.isEmpty())
                          ListBox1->addItems(t.split('|'));
                  }});
}

void TData_f::updateEnabling() {
    jvDepth->setEnabled(cbSub->isChecked());
    edMin->setEnabled(cbMinSz->isChecked());
    edMax->setEnabled(cbMaxSz->isChecked());
    dtPickerFrom->setEnabled(cbDateFrom->isChecked());
    dtPickerTo->setEnabled(cbDateTo->isChecked());
    const bool content = rgFileContent->checkedId() == 0;
    cbCompare->setEnabled(content);
    lblCompare->setEnabled(content);
}

void TData_f::showEvent(QShowEvent* e) {
    fStorage.restoreOnce();
    QDialog::showEvent(e);
    FormShow();
}

void TData_f::closeEvent(QCloseEvent* e) {
    if (result() == 0)
        setResult(2);  // the title bar's close counts as "Close"
    fStorage.save();
    QDialog::closeEvent(e);
}

void TData_f::FormShow() {
    rgFileContent->button(1)->setChecked(true);
    if (cbPath->count() > 0)
        addPath(cbPath->itemText(cbPath->count() - 1));
    if (lbPaths->count() > 0)
        lbPaths->setCurrentRow(lbPaths->count() - 1);
    pages->setCurrentIndex(0);
}

void TData_f::addPath(const QString& path) {
    if (path.isEmpty() || !lbPaths->findItems(path, Qt::MatchExactly).isEmpty())
        return;
    lbPaths->addItem(path);
}

void TData_f::btnAddClick() {
    QString start;
    if (fContext.platform.specialFolder(16).code == 0)
        start = fContext.platform.specialFolder(16).path;
    const QString folder = fContext.dialogs.pickFolder("Select a folder to search", start);
    if (folder.isEmpty())
        return;
    if (cbPath->findText(folder) < 0) {
        cbPath->addItem(folder);
        cbPath->setCurrentText(folder);
    }
    addPath(folder);
}

void TData_f::ClearAllClick() {
    cbPath->clear();
    lbPaths->clear();
}

void TData_f::btnDeleteClick() {
    QListWidgetItem* item = lbPaths->currentItem();
    if (!item || !item->isSelected()) {
        fContext.dialogs.information("Information", "Select and item in the list fist");
        return;
    }
    delete item;
}

void TData_f::cbPathSelect(int index) {
    addPath(cbPath->itemText(index));
}

void TData_f::cbSubClick() {
    if (!cbSub->isChecked()) {
        fSubfolders = false;
        return;
    }
    const Answer a = fContext.dialogs.confirm(
        "Confirm",
        "On large drives selecting scanning all directories may significantly increase scan time.");
    if (a == Answer::Yes) {
        fSubfolders = true;
    } else {
        cbSub->setChecked(false);
        fSubfolders = false;
    }
}

void TData_f::btnStartClick() {
    if (lbPaths->count() == 0) {
        if (cbPath->currentText().trimmed().isEmpty()) {
            fContext.dialogs.information("Information", "Please specify a location to continue");
            return;
        }
        addPath(cbPath->currentText().trimmed());
    }
    duplicates::OptionsChoices o;
    o.subfolders = cbSub->isChecked();
    o.depth = jvDepth->value();
    o.masksText = cbMasks->currentText().toStdString();
    o.minOn = cbMinSz->isChecked();
    o.maxOn = cbMaxSz->isChecked();
    o.minValue = edMin->value();
    o.maxValue = edMax->value();
    o.fromOn = cbDateFrom->isChecked();
    o.toOn = cbDateTo->isChecked();
    o.fromNs = localDayStartNs(dtPickerFrom->date(), false);
    o.toNs = localDayStartNs(dtPickerTo->date(), true);
    o.ignoreHidden = cbHidden->isChecked();
    o.ignoreSystem = cbSystem->isChecked();
    o.ignoreReadOnly = cbReadOnly->isChecked();
    fCriteria = duplicates::criteriaFrom(o, fCriteria.masks);
    done(1);
}

std::vector<std::string> TData_f::roots() const {
    std::vector<std::string> r;
    for (int i = 0; i < lbPaths->count(); ++i) r.push_back(lbPaths->item(i)->text().toStdString());
    return r;
}

duplicates::DuplicateRule TData_f::rule() const {
    duplicates::DuplicateRule r;
    r.sameCreateDate = cbSameCreateDate->isChecked();
    r.sameModDate = cbSameModDate->isChecked();
    if (rgFileContent->checkedId() == 0) {
        r.content = cbCompare->currentIndex() == 1 ? duplicates::ContentMethod::Crc32
                                                   : duplicates::ContentMethod::Md5;
    }
    return r;
}

}  // namespace orlivo::app
