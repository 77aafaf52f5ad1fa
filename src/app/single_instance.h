#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QWidget;

namespace quorvel {

// Keeps the program to one running copy per user and home folder. The first
// copy listens on a local socket; a second start finds it there, asks it to
// come to the front and ends.
class TJustOne : public QObject {
    Q_OBJECT
public:
    enum class TRole { First, Second };

    explicit TJustOne(const QString& homeRoot, QObject* parent = nullptr);
    ~TJustOne() override;

    // The socket name for this user and home folder.
    static QString serverName(const QString& homeRoot);

    // Second when another copy answered (it has been asked to come to the
    // front); First otherwise, and this copy now listens.
    TRole start();

    bool isListening() const;

signals:
    // Another start asked this copy to show its main window.
    void activationRequested();

private:
    bool askRunningCopy();
    void listen();
    void acceptConnection();
    void readRequest(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_ = nullptr;
};

// Restores a minimized window, brings it to the top and gives it the focus.
void bringToFront(QWidget* window);

} // namespace quorvel
