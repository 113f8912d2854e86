#include "TPropertiesDialog.h"

#include "DisplaySize.h"
#include "FileAttributes.h"
#include "FileTypes.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace orlivo::app {

TPropertiesDialog::TPropertiesDialog(const QString& path, QWidget* parent) : QDialog(parent) {
    const QFileInfo info(path);
    setObjectName("PropertiesDialog");
    setWindowTitle(info.fileName() + " Properties");
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    auto row = [&](const QString& caption, const QString& value) {
        auto* label = new QLabel(value, this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(caption, label);
    };
    const QLocale locale;
    row("Name:", info.fileName());
    row("Type of file:", info.isDir() ? QStringLiteral("File folder") : platform::fileTypeName(path));
    row("Location:", info.absolutePath());
    if (const auto status = platform::fileStatus(path)) {
        row("Size:",
            QString("%1 (%2 bytes)").arg(ConvertToDisplaySize(status->size), locale.toString(status->size)));
        if (status->creation.isValid())
            row("Created:", locale.toString(status->creation, QLocale::LongFormat));
        row("Modified:", locale.toString(status->lastWrite, QLocale::LongFormat));
        row("Accessed:", locale.toString(status->lastAccess, QLocale::LongFormat));
        QStringList attributes;
        if (status->attributes & platform::attr::ReadOnly)
            attributes << "Read-only";
        if (status->attributes & platform::attr::Hidden)
            attributes << "Hidden";
        row("Attributes:", attributes.isEmpty() ? QStringLiteral("None") : attributes.join(", "));
    } else {
        row("Status:", "The file could not be read.");
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

}  // namespace orlivo::app
