#include "app/about_box.h"

#include "ui/whats_this.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Quorvel"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<b>Quorvel</b>"), this);
    name->setObjectName(QStringLiteral("ProgramNameLabel"));
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    auto* purpose = new QLabel(QStringLiteral("Keeps your mailing lists and turns them into labels, envelopes, "
                                              "letters and reports."),
        this);
    purpose->setObjectName(QStringLiteral("PurposeLabel"));
    purpose->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("AboutButtons"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OKButton"));
    setWhatsThisText(ok, QStringLiteral("Closes this window."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    for (QWidget* part : { static_cast<QWidget*>(name), static_cast<QWidget*>(version), static_cast<QWidget*>(purpose),
             static_cast<QWidget*>(buttons) })
        layout->addWidget(part);
}

QString TAboutBox::versionText()
{
    return QStringLiteral("Version ") + QStringLiteral(QUORVEL_VERSION);
}

} // namespace quorvel
