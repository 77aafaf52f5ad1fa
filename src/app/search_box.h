#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

// "Search": the order to search in ("Search &Order", the names of the
// "&Sort" menu's orders) and the start of the key to look for. The window
// only asks; whoever opened it switches the order and seeks.
class TSearchBox : public QDialog {
    Q_OBJECT
public:
    // `currentTag` is the tag of the order in force; its order is preset.
    explicit TSearchBox(const QString& currentTag, QWidget* parent = nullptr);

    // The chosen order's name ("Last Name").
    QString orderName() const;
    QString searchText() const;

    // "Search Last Name starting with..."
    static QString promptText(const QString& orderName);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void fillOrders(const QString& currentTag);
    void OrderListChange();

    QLabel* OrderLabel = nullptr;
    QComboBox* OrderList = nullptr;
    QLabel* SearchForLabel = nullptr;
    QLineEdit* SearchForEdit = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
