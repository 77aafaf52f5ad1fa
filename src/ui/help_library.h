#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace quorvel {

struct THelpTopic {
    int context = 0;
    QString title;
    QString path;
};

// The help pages: one HTML file per context number ("1029.html"), a table of
// contents ("index.html"), all in one folder.
class THelpLibrary {
public:
    explicit THelpLibrary(QString folder);

    // The "help" folder of the supplied data.
    static QString defaultFolder();

    const QString& folder() const { return folder_; }
    // Empty when there is no page for the context.
    QString topicPath(int context) const;
    QString contentsPath() const;

    // Every numbered page, by context number, titled by its <title>.
    QList<THelpTopic> topics() const;
    // The pages whose title or text contains the keyword, ignoring case;
    // all of them for an empty keyword.
    QList<THelpTopic> search(const QString& keyword) const;

    // The context number a link points at: "1029.html" or "help:1029".
    static std::optional<int> contextOf(const QUrl& link);

private:
    QString folder_;
};

} // namespace quorvel
