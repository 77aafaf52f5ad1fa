#include "ui/help_viewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quorvel {

namespace {

constexpr int kContextRole = Qt::UserRole;

QString missingPageText(int context)
{
    return QStringLiteral("<p>There is no help page for this topic (%1).</p>").arg(context);
}

} // namespace

THelpViewer::THelpViewer(THelpLibrary library, QWidget* parent) : QWidget(parent, Qt::Window), library_(std::move(library))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Quorvel Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({library_.folder()});

    auto* splitter = new QSplitter(this);
    splitter->setObjectName(QStringLiteral("HelpSplitter"));
    splitter->addWidget(createSidePanel());
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(820, 560);

    connect(browser_, &QTextBrowser::sourceChanged, this, &THelpViewer::BrowserSourceChanged);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    SearchEditChanged(QString());
}

QWidget* THelpViewer::createSidePanel()
{
    auto* panel = new QWidget(this);
    auto* label = new QLabel(QStringLiteral("&Search for:"), panel);
    searchEdit_ = new QLineEdit(panel);
    searchEdit_->setObjectName(QStringLiteral("SearchEdit"));
    label->setBuddy(searchEdit_);
    topicList_ = new QListWidget(panel);
    topicList_->setObjectName(QStringLiteral("TopicList"));
    contentsButton_ = new QPushButton(QStringLiteral("&Contents"), panel);
    contentsButton_->setObjectName(QStringLiteral("ContentsButton"));
    backButton_ = new QPushButton(QStringLiteral("&Back"), panel);
    backButton_->setObjectName(QStringLiteral("BackButton"));
    backButton_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton_);
    buttons->addWidget(backButton_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(label);
    layout->addWidget(searchEdit_);
    layout->addWidget(topicList_);

    connect(searchEdit_, &QLineEdit::textChanged, this, &THelpViewer::SearchEditChanged);
    connect(topicList_, &QListWidget::itemActivated, this, &THelpViewer::TopicListActivated);
    connect(topicList_, &QListWidget::itemClicked, this, &THelpViewer::TopicListActivated);
    connect(contentsButton_, &QPushButton::clicked, this, &THelpViewer::showContents);
    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    return panel;
}

void THelpViewer::showTopic(int context)
{
    const QString path = library_.topicPath(context);
    if (path.isEmpty()) {
        browser_->setHtml(missingPageText(context));
        currentContext_ = 0;
        return;
    }
    showPage(path);
}

void THelpViewer::showContents() { showPage(library_.contentsPath()); }

void THelpViewer::showSearch()
{
    searchEdit_->clear();
    SearchEditChanged(QString());
    searchEdit_->setFocus();
}

void THelpViewer::showPage(const QString& path) { browser_->setSource(QUrl::fromLocalFile(path)); }

void THelpViewer::SearchEditChanged(const QString& keyword)
{
    topicList_->clear();
    for (const THelpTopic& topic : library_.search(keyword)) {
        auto* item = new QListWidgetItem(topic.title.isEmpty() ? QString::number(topic.context) : topic.title);
        item->setData(kContextRole, topic.context);
        topicList_->addItem(item);
    }
}

void THelpViewer::TopicListActivated()
{
    if (const QListWidgetItem* item = topicList_->currentItem())
        showTopic(item->data(kContextRole).toInt());
}

void THelpViewer::BrowserSourceChanged(const QUrl& source)
{
    currentContext_ = THelpLibrary::contextOf(source).value_or(0);
}

} // namespace quorvel
