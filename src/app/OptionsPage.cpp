#include "OptionsPage.h"

#include "ColorBox.h"
#include "MainOptionDefaults.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextStream>
#include <QVBoxLayout>

namespace orlivo::app {
namespace {

QButtonGroup* radioGroup(QGroupBox* box, const QString& name, const QStringList& captions, int checked) {
    auto* group = new QButtonGroup(box);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        group->addButton(radio, i);
        layout->addWidget(radio);
        radio->setChecked(i == checked);
    }
    return group;
}

QSpinBox* spin(QWidget* parent, const QString& name, int min, int max, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

QListWidget* checkList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(120);
    return list;
}

void addChecked(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
}

}  // namespace

OptionsPage::OptionsPage(QWidget* parent) : QWidget(parent) {
    using namespace defaults;
    setObjectName("OptionsPage");
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout();
    auto* right = new QVBoxLayout();
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* look = new QGroupBox("Appearance", this);
    auto* lookForm = new QFormLayout(look);
    cbxVCLStyles = new QComboBox(look);
    cbxVCLStyles->setObjectName("cbxVCLStyles");
    lookForm->addRow(new QLabel("Theme - Select theme from the droplist", look));
    lookForm->addRow(cbxVCLStyles);
    cbColor1 = new ColorBox(look);
    cbColor1->setObjectName("cbColor1");
    cbColor1->setColor(kColorGroup1);
    cbColor2 = new ColorBox(look);
    cbColor2->setObjectName("cbColor2");
    cbColor2->setColor(kColorGroup2);
    lookForm->addRow("Color group 1", cbColor1);
    lookForm->addRow("Color group 2", cbColor2);
    left->addWidget(look);

    auto* highlight = new QGroupBox("Selected duplicates", this);
    rgHighlight = radioGroup(highlight, "rgHighlight",
                             {"Highlight in bold font", "Highlight in Strikeout font"}, kHighlight);
    left->addWidget(highlight);
    auto* place = new QGroupBox("Groups Headers and Footers", this);
    rgPlaceGroup = radioGroup(place, "rgPlaceGroup",
                              {"Alternate group header and footer", "Left Justify Headers and Footers",
                               "Center Header and Footers"},
                              kPlaceGroup);
    left->addWidget(place);

    auto* lists = new QGroupBox("Duplicate lists", this);
    auto* listsLayout = new QVBoxLayout(lists);
    cbSaveDuplicates = new QCheckBox("Automatically save duplicate lists on exit", lists);
    cbSaveDuplicates->setObjectName("cbSaveDuplicates");
    cbSaveDuplicates->setChecked(kSaveDuplicates);
    cbLoadLists = new QCheckBox("Load last save duplicates search list into the duplicates finder", lists);
    cbLoadLists->setObjectName("cbLoadLists");
    cbLoadLists->setChecked(kLoadLists);
    cbResearch = new QCheckBox("All folders", lists);
    cbResearch->setObjectName("cbResearch");
    cbResearch->setChecked(kResearch);
    cbResearch->hide();
    listsLayout->addWidget(cbSaveDuplicates);
    listsLayout->addWidget(cbLoadLists);
    left->addWidget(lists);
    left->addStretch();

    auto* rescue = new QGroupBox("Rescue Center", this);
    auto* rescueForm = new QFormLayout(rescue);
    cbDays = new QCheckBox("Keep backups for", rescue);
    cbDays->setObjectName("cbDays");
    cbDays->setChecked(kKeepBackups);
    spBackUpLife = spin(rescue, "spBackUpLife", kBackupLifeMin, kBackupLifeMax, kBackupLifeDays);
    spBackUpLife->setSuffix(" days");
    rescueForm->addRow(cbDays, spBackUpLife);
    spMaxDisk = spin(rescue, "spMaxDisk", kMaxDiskMin, kMaxDiskMax, kMaxDiskMb);
    spMaxDisk->setSuffix(" MB");
    rescueForm->addRow("Max disk space", spMaxDisk);
    cbDeleteBackup = new QCheckBox("Delete backups after restoration", rescue);
    cbDeleteBackup->setObjectName("cbDeleteBackup");
    cbDeleteBackup->setChecked(kDeleteBackupAfterRestore);
    rescueForm->addRow(cbDeleteBackup);
    right->addWidget(rescue);

    auto* preview = new QGroupBox("Preview files of type", this);
    auto* previewLayout = new QVBoxLayout(preview);
    jvExtPreview = checkList(preview, "jvExtPreview");
    for (const QString& ext : kPreviewExtensions) addChecked(jvExtPreview, ext);
    previewLayout->addWidget(jvExtPreview);
    right->addWidget(preview);

    auto* deep = new QGroupBox("Deep scan for file types", this);
    auto* deepLayout = new QVBoxLayout(deep);
    jvDeepScanCB = checkList(deep, "jvDeepScanCB");
    deepLayout->addWidget(jvDeepScanCB);
    right->addWidget(deep);

    auto* buttons = new QHBoxLayout();
    btnRestoreHints = new QPushButton("Restore", this);
    btnRestoreHints->setObjectName("btnRestoreHints");
    btnHelp = new QPushButton("Help", this);
    btnHelp->setObjectName("btnHelp");
    buttons->addWidget(new QLabel("Restore application hints and warnings", this));
    buttons->addWidget(btnRestoreHints);
    buttons->addStretch();
    buttons->addWidget(btnHelp);
    right->addLayout(buttons);
}

void OptionsPage::loadDeepScanTypes(const QString& path) {
    jvDeepScanCB->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        if (!line.trimmed().isEmpty())
            addChecked(jvDeepScanCB, line.trimmed());
    }
}

}  // namespace orlivo::app
