#pragma once

#include <QDialog>

class QRadioButton;

namespace labels {

// "Label Layout": whether a design's new sheet comes from the stock
// catalogue or is typed in by hand. Ok closes with kFromTemplate or
// kEnterManually, Cancel with 2.
class TChooseLabelLayout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3105;
    static constexpr int kFromTemplate = -1;
    static constexpr int kEnterManually = -2;

    explicit TChooseLabelLayout(QWidget* parent = nullptr);

protected:
    // Escape is Cancel: result 2.
    void reject() override;

private:
    void OKButtonClick();

    QRadioButton* SelectFromTemplate;
    QRadioButton* EnterLayoutManually;
};

} // namespace labels
