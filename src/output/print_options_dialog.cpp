#include "output/print_options_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace output {

namespace {

QSpinBox* pageEdit(QWidget* parent, const char* name, int value)
{
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setRange(1, 9999);
    edit->setValue(value);
    return edit;
}

} // namespace

TPrintOptionsDialog::TPrintOptionsDialog(const QString& printerName, const TPrintOptions& options, QWidget* parent)
    : QDialog(parent), copiesEdit_(pageEdit(this, "CopiesEdit", options.copies)),
      allRadio_(new QRadioButton(tr("&All pages"), this)), pagesRadio_(new QRadioButton(tr("Pa&ges"), this)),
      fromEdit_(pageEdit(this, "FromPageEdit", options.firstPage)),
      toEdit_(pageEdit(this, "ToPageEdit", options.lastPage))
{
    setObjectName(QStringLiteral("TPrintOptionsDialog"));
    setWindowTitle(tr("Print"));
    allRadio_->setObjectName(QStringLiteral("AllPagesRadio"));
    pagesRadio_->setObjectName(QStringLiteral("PageRangeRadio"));
    const bool all = options.firstPage <= 1 && options.lastPage >= 9999;
    (all ? allRadio_ : pagesRadio_)->setChecked(true);

    auto* printer = new QLabel(printerName, this);
    printer->setObjectName(QStringLiteral("PrinterLabel"));
    auto* range = new QHBoxLayout;
    range->addWidget(pagesRadio_);
    range->addWidget(fromEdit_);
    range->addWidget(new QLabel(tr("to"), this));
    range->addWidget(toEdit_);
    auto* form = new QFormLayout;
    form->addRow(tr("Printer:"), printer);
    form->addRow(tr("&Copies:"), copiesEdit_);
    form->addRow(allRadio_);
    form->addRow(range);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("PrintButtons"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

TPrintOptions TPrintOptionsDialog::Options() const
{
    TPrintOptions options;
    options.copies = copiesEdit_->value();
    if (pagesRadio_->isChecked()) {
        options.firstPage = std::min(fromEdit_->value(), toEdit_->value());
        options.lastPage = std::max(fromEdit_->value(), toEdit_->value());
    }
    return options;
}

} // namespace output
