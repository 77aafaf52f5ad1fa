#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace quorvel {

class TSettings;

// "Getting Started": a short read-only guide whose links open help topics,
// with the switch that keeps it from showing at every start.
class TGettingStarted : public QDialog {
    Q_OBJECT
public:
    // `helpFolder` holds the guide ("getting_started.html").
    TGettingStarted(TSettings& settings, const QString& helpFolder, QWidget* parent = nullptr);

    // Writes the switch back however the screen closes.
    void done(int result) override;

private:
    void DocumentAnchorClicked(const QUrl& link);
    void loadDocument(const QString& helpFolder);

    TSettings& settings_;
    QTextBrowser* Document = nullptr;
    QCheckBox* DontShowCheck = nullptr;
    QPushButton* CloseButton = nullptr;
};

} // namespace quorvel
