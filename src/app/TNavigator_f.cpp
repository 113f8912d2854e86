#include "TNavigator_f.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orlivo::app {

namespace {

// Blue that reads on the list's background, light or dark.
QColor linkBlue(const QPalette& palette) {
    return palette.color(QPalette::Base).lightnessF() < 0.5 ? QColor(110, 170, 255) : QColor(0, 70, 230);
}

// A name with its static text after it: size 8, not bold, red under the mouse and blue otherwise.
class NodeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QString extra = index.data(NodesModel::StaticTextRole).toString();
        if (extra.isEmpty())
            return;
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = option.widget;
        const QRect text = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
        const int nameWidth = opt.fontMetrics.horizontalAdvance(opt.text);
        QFont small = option.font;
        small.setPointSize(8);
        small.setBold(false);
        painter->save();
        painter->setFont(small);
        painter->setPen((option.state & QStyle::State_MouseOver) ? QColor(Qt::red)
                                                                 : linkBlue(option.palette));
        painter->drawText(text.adjusted(nameWidth + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, extra);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        QFont small = option.font;
        small.setPointSize(8);
        s.rwidth() +=
            QFontMetrics(small).horizontalAdvance(index.data(NodesModel::StaticTextRole).toString()) + 8;
        s.setHeight(21);
        return s;
    }
};

}  // namespace

NodesModel::NodesModel(const std::vector<duplicates::TNodeItems>& nodes, const ImageList& images,
                       QObject* parent)
    : QAbstractListModel(parent), fNodes(nodes), fImages(images) {}

void NodesModel::reload() {
    beginResetModel();
    endResetModel();
}

void NodesModel::refreshRow(int row) {
    emit dataChanged(index(row), index(row));
}

int NodesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(fNodes.size());
}

QVariant NodesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || std::size_t(index.row()) >= fNodes.size())
        return {};
    const duplicates::TNodeItems& n = fNodes[index.row()];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(n.Name);
        case StaticTextRole:
            return QString::fromStdString(n.StaticText);
        case Qt::DecorationRole:
            return fImages.icon(n.ImageIndex);
        case Qt::ToolTipRole:
            return QString::fromStdString(n.lName);
    }
    return {};
}

TNavigator_f::TNavigator_f(const std::vector<duplicates::TNodeItems>& nodes, const ImageList& images,
                           QWidget* parent)
    : QDockWidget("Navigator", parent) {
    setObjectName("Navigator_f");
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);

    jvDupNodes = new QTreeWidget(body);
    jvDupNodes->setObjectName("jvDupNodes");
    jvDupNodes->setHeaderHidden(true);
    jvDupNodes->setRootIsDecorated(false);
    jvDupNodes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jvDupNodes->setCursor(Qt::PointingHandCursor);
    jvDupNodes->setFixedHeight(jvDupNodes->fontMetrics().height() + 14);
    jvDupNodes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    jvDupNodes->setSelectionMode(QAbstractItemView::NoSelection);
    jvDupNodes->setFocusPolicy(Qt::NoFocus);
    fRoot = new QTreeWidgetItem(jvDupNodes, {"Click to start or use the Start button"});
    connect(jvDupNodes, &QTreeWidget::itemClicked, this, [this] {
        // Clicked is selected: the node reads in blue from then on.
        fRoot->setForeground(0, linkBlue(palette()));
        emit jvdupNodesClick();
    });
    layout->addWidget(jvDupNodes);

    lblOpenLast = new QLabel("Open last duplicate files search", body);
    lblOpenLast->setObjectName("lblOpenLast");
    lblOpenLast->setCursor(Qt::PointingHandCursor);
    lblOpenLast->installEventFilter(this);
    layout->addWidget(lblOpenLast);

    fModel = new NodesModel(nodes, images, this);
    vVNodes = new QTreeView(body);
    vVNodes->setObjectName("vVNodes");
    vVNodes->setModel(fModel);
    vVNodes->setHeaderHidden(true);
    vVNodes->setRootIsDecorated(false);
    vVNodes->setUniformRowHeights(true);
    vVNodes->setMouseTracking(true);
    vVNodes->setCursor(Qt::PointingHandCursor);
    vVNodes->setItemDelegate(new NodeDelegate(vVNodes));
    vVNodes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vVNodes->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vVNodes, &QTreeView::clicked, this,
            [this](const QModelIndex& i) { emit vVNodesNodeClick(i.row()); });
    layout->addWidget(vVNodes, 1);
    setWidget(body);
}

void TNavigator_f::setRootText(const QString& text) {
    fRoot->setText(0, text);
}

QString TNavigator_f::rootText() const {
    return fRoot->text(0);
}

void TNavigator_f::closeEvent(QCloseEvent* e) {
    e->ignore();  // the navigator can be floated and docked again, never closed
}

bool TNavigator_f::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblOpenLast) {
        if (event->type() == QEvent::Enter)
            lblOpenLast->setStyleSheet(QString("color: %1;").arg(linkBlue(palette()).name()));
        else if (event->type() == QEvent::Leave)
            lblOpenLast->setStyleSheet({});
        else if (event->type() == QEvent::MouseButtonRelease && lblOpenLast->isEnabled())
            emit lblOpenLastClick();
    }
    return QDockWidget::eventFilter(watched, event);
}

}  // namespace orlivo::app
