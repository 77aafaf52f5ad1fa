#pragma once

#include "labels/label_edit_values.h"

#include <QDialog>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace labels {

// "User Defined Label Layout": a sheet geometry typed in by hand, in
// inches or millimetres. The values and their rules live in
// TLabelEditValues; the fields show them and hand back what is typed.
class TLabelEdit : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3104;

    explicit TLabelEdit(const TLabelGeometry& geometry, QWidget* parent = nullptr);

    // After Ok: the geometry in inches with its paper and shape codes.
    const TLabelGeometry& Geometry() const { return accepted_; }

protected:
    // Escape is Cancel: result 2.
    void reject() override;

private:
    struct TLengthBox {
        TLabelEditValues::TLength member;
        QLineEdit* edit;
        QString caption;
    };

    QLineEdit* AddLengthBox(TLabelEditValues::TLength member, const char* objectName, const char* caption);
    void ShowValues();
    static std::optional<double> Typed(const TLengthBox& box);
    // Takes a field's text into the values; false (with a message) when it
    // is no number.
    bool TakeField(const TLengthBox& box);
    void LengthEdited(const TLengthBox& box);
    void UnitClick();
    void PaperChosen(int index);
    void OKButtonClick();

    TLabelEditValues values_;
    TLabelGeometry accepted_;
    std::vector<TLengthBox> lengths_;
    QRadioButton* Inchesbutton;
    QRadioButton* MMButton;
    QSpinBox* enbracross;
    QSpinBox* enbrdown;
    QComboBox* epapersize;
    QComboBox* eLabelShape;
};

} // namespace labels
