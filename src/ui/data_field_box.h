#pragma once

#include <QLineEdit>
#include "store/dataset.h"

#include <QPointer>

#include <functional>

namespace quorvel {


// A box that shows one field of a dataset's current record and, where
// editing is allowed, changes it. Typing while the dataset is browsing puts
// it in edit state first (when `autoEdit` says so); every change goes into
// the dataset's edit at once, so Post stores what the box shows. The box
// takes at most the field's width. A character the table cannot hold is
// refused with a message and the box shows the field again.
class TDataFieldBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TDataFieldBox(QWidget* parent = nullptr);

    // Binds the box; a null dataset unbinds it.
    void bind(TDataset* dataset, const QString& fieldName);
    const QString& fieldName() const { return fieldName_; }
    TDataset* dataset() const { return dataset_; }

    // Typed letters become capitals (the middle initial).
    void setUpperCase(bool on) { upperCase_ = on; }
    // Whether typing or a double-click may start an edit while browsing.
    // Without one, they always may.
    void setAutoEdit(std::function<bool()> allowed) { autoEditAllowed_ = std::move(allowed); }

    // Shows the field's value as the dataset has it now.
    void refresh();

signals:
    // The user double-clicked the box; an edit has been started if allowed.
    void doubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool canChange() const;
    bool isComputed() const;
    bool startEdit();
    void textEditedByUser(const QString& text);
    void datasetFieldChanged(const QString& name);
    void applyWidth();

    QPointer<TDataset> dataset_;
    QString fieldName_;
    bool upperCase_ = false;
    bool writing_ = false;
    std::function<bool()> autoEditAllowed_;
};

} // namespace quorvel
