#pragma once

#include "AppWindows.h"
#include "ClonesModel.h"
#include "DuplicatesPage.h"
#include "GroupedModel.h"
#include "PageTitles.h"
#include "Sandbox.h"
#include "TData_f.h"
#include "TMain_f.h"

#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

namespace orlivo::test {

// A result made by a real scan: group A holds three a.txt of 1,000 bytes, group B two b.txt of 3,000.
struct ScannedPage {
    Sandbox box;
    app::AppWindows windows{*box.context};
    app::TMain_f& main = windows.main();
    app::DuplicatesPage& page = *main.duplicatesPage;

    ScannedPage() {
        for (const char* folder : {"one", "two", "three"})
            box.writeFile(box.root() + "/tree/" + folder + "/a.txt", QByteArray(1000, 'a'));
        for (const char* folder : {"one", "two"})
            box.writeFile(box.root() + "/tree/" + folder + "/b.txt", QByteArray(3000, 'b'));
        app::TData_f& o = windows.options();
        o.lbPaths->addItem(box.root() + "/tree");
        o.edMin->setValue(0);
        o.btnStartClick();
        page.ExecuteSearchForDuplicates();
        main.actCleanerExecute(main.actions.value(app::PageDuplicates));
    }
    QString file(const QString& rel) const { return box.root() + "/tree/" + rel; }
    QString info() const { return main.tbInfoText->text(); }
    QString lastText() const {
        return box.dialogs.shown.isEmpty() ? QString() : box.dialogs.shown.back().text;
    }
    QVariant flat(int row, int column, int role = Qt::DisplayRole) const {
        return page.clonesModel().index(row, column).data(role);
    }
    QModelIndex groupedRow(int group, int row) const {
        return page.groupedModel().index(row, 0, page.groupedModel().index(group, 0));
    }
    int node(const std::string& name) const {
        for (std::size_t i = 0; i < page.result().FIDListN.size(); ++i)
            if (page.result().FIDListN[i].Name == name)
                return int(i);
        return -1;
    }
};

}  // namespace orlivo::test
