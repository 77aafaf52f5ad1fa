#include "app/getting_started.h"

#include "store/settings.h"
#include "ui/help_library.h"
#include "ui/services.h"
#include "ui/whats_this.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quorvel {

namespace {

QString fallbackDocument()
{
    return QStringLiteral("<h2>Welcome to Quorvel</h2><p>Keep your mailing list in an address file, choose records "
                          "with filters and tags, and print labels, envelopes, letters and reports.</p>"
                          "<p>The help pages were not found with this copy of Quorvel.</p>");
}

} // namespace

TGettingStarted::TGettingStarted(TSettings& settings, const QString& helpFolder, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setObjectName(QStringLiteral("GettingStarted"));
    setWindowTitle(QStringLiteral("Getting Started"));
    Document = new QTextBrowser(this);
    Document->setObjectName(QStringLiteral("Document"));
    Document->setOpenLinks(false);
    DontShowCheck = new QCheckBox(QStringLiteral("Do not show this screen at start up"), this);
    DontShowCheck->setObjectName(QStringLiteral("DontShowCheck"));
    DontShowCheck->setChecked(settings_.gettingStartedOff());
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);
    setWhatsThisText(DontShowCheck, QStringLiteral("When checked, this screen no longer appears when Quorvel "
                                                   "starts. Help, Getting Started still shows it."));
    setWhatsThisText(CloseButton, QStringLiteral("Closes this screen."));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(DontShowCheck);
    bottom->addStretch();
    bottom->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Document);
    layout->addLayout(bottom);
    resize(600, 460);

    connect(Document, &QTextBrowser::anchorClicked, this, &TGettingStarted::DocumentAnchorClicked);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    loadDocument(helpFolder);
}

void TGettingStarted::loadDocument(const QString& helpFolder)
{
    const QString path = QDir(helpFolder).filePath(QStringLiteral("getting_started.html"));
    if (helpFolder.isEmpty() || !QFileInfo::exists(path)) {
        Document->setHtml(fallbackDocument());
        return;
    }
    Document->setSource(QUrl::fromLocalFile(path));
}

void TGettingStarted::DocumentAnchorClicked(const QUrl& link)
{
    if (const std::optional<int> context = THelpLibrary::contextOf(link)) {
        TServices::help().showTopic(*context);
        return;
    }
    if (link.scheme() == QStringLiteral("http") || link.scheme() == QStringLiteral("https"))
        QDesktopServices::openUrl(link);
}

void TGettingStarted::done(int result)
{
    if (!settings_.setGettingStartedOff(DontShowCheck->isChecked()))
        TServices::messages().error(this, settings_.lastError());
    QDialog::done(result);
}

} // namespace quorvel
