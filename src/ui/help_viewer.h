#pragma once

#include "ui/help_library.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace quorvel {

// The help window: a search box and the list of topics on the left, the page
// on the right. Links between pages work as in a browser; links to other
// sites open in the desktop's browser.
class THelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit THelpViewer(THelpLibrary library, QWidget* parent = nullptr);

    void showTopic(int context);
    void showContents();
    // Clears the keyword, lists every topic and puts the cursor in the box.
    void showSearch();

    // The topic on show, 0 for the contents or a missing page.
    int currentContext() const { return currentContext_; }
    QTextBrowser* browser() const { return browser_; }

private:
    void SearchEditChanged(const QString& keyword);
    void TopicListActivated();
    void BrowserSourceChanged(const QUrl& source);
    void showPage(const QString& path);
    QWidget* createSidePanel();

    THelpLibrary library_;
    QLineEdit* searchEdit_ = nullptr;
    QListWidget* topicList_ = nullptr;
    QPushButton* contentsButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    int currentContext_ = 0;
};

} // namespace quorvel
