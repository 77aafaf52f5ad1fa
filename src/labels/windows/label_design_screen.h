#pragma once

#include "design/model/design_owner.h"
#include "labels/label_layout.h"

#include <QDialog>
#include <QSize>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace design {
class TGRecordSource;
}

namespace quorvel {
class TDataset;
class TIniFile;
} // namespace quorvel

namespace labels {

class TLabelDesignPanel;

// What the design screen works with besides the layout.
struct TLabelDesignContext {
    QString sysdataFolder; // the object clipboard file and the stock catalogue
    quorvel::TIniFile* ini = nullptr; // the default font and the window's placement
    // The address file whose records the objects show; both may be null.
    quorvel::TDataset* addresses = nullptr;
    const design::TGRecordSource* record = nullptr;
    // The stock picture named by a layout's ART; a null image when there is
    // none. No pictures are supplied with the program, so by default they
    // are looked up as files in the sysdata folder.
    std::function<QImage(const QString& art)> stockArt;
};

// "Label Design Screen": one label of a layout at screen resolution, with
// the tools to place text, fields, address blocks, counters, symbols,
// shapes, lines, pictures and POSTNET barcodes on it, and the sheet it is
// printed on. Save closes with 1 (the caller writes the layout and the
// design), Cancel with 2.
class TLabelDesignScreen : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3200;
    // The narrowest label a POSTNET barcode fits on, inches.
    static constexpr double kPostNetMinimumWidth = 2.85;

    TLabelDesignScreen(TLabelDesignContext context, QWidget* parent = nullptr);
    ~TLabelDesignScreen() override;

    design::TGDesignOwner& Owner() { return owner_; }
    TLabelDesignPanel& Panel() { return *LabelPanel; }

    // The layout to edit; the surface takes its size and shape.
    void SetLayout(const TLabelLayout& layout);
    // The layout as edited: after Save its description is the one typed.
    const TLabelLayout& Layout() const { return layout_; }
    // A new label gets an address block and a word of help when it opens.
    void SetNewLabel(bool isNew) { newLabel_ = isNew; }
    bool Changed() const;

    // The layout's sheet from the catalogue or typed by hand.
    void ChangeLayoutButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void reject() override;

private:
    // Building the window.
    QWidget* MakeTopBar();
    QWidget* MakeToolBar();
    QWidget* MakeBottomBar();
    QToolButton* AddToggle(QWidget* bar, const char* objectName, const char* text, const char* hint);

    // Opening and saving.
    void FormActivate();
    void AddNewLabelBlock();
    void SaveButtonClick();
    void MarkChanged();

    // Tools and view.
    void ToolClick(int tool);
    void ZoomBy(int steps);
    void ShowZoomCaption();
    void MoveRecord(QPushButton* button);
    void DefaultFontbuttonClick();
    void ShowDefaultFontCaption();
    void LoadDefaultFont();

    // The sheet.
    bool GetLayoutFromTemplate();
    bool GetUserDefinedLayout();
    void SetLabelSizeFromInches(const QString& shape, double width, double height);
    void ShowArtClick();
    void RemoveNarrowPostNet();

    TLabelDesignContext context_;
    design::TGDesignOwner owner_;
    TLabelLayout layout_;
    bool newLabel_ = false;
    bool opened_ = false;
    bool quiet_ = true; // opening or zooming: no edit of the design
    int zoomPercent_ = 100;
    QSize labelSize_;
    QString shapeCode_;

    QLabel* TemplateType;
    QPushButton* ChangeLayoutButton;
    QLineEdit* LabelSetupDescription;
    QPushButton* DefaultFontbutton;
    QButtonGroup* Tools;
    QToolButton* ShowGrid;
    QToolButton* SnapToGrid;
    QToolButton* ShowArt;
    QToolButton* ShowFieldNamesButton;
    QWidget* ZoomSpinner;
    QLabel* ZoomCaption;
    QScrollArea* SurfaceScroller;
    TLabelDesignPanel* LabelPanel;
    QPushButton* SaveButton;
    QPushButton* FirstButton;
    QPushButton* PriorButton;
    QPushButton* NextButton;
    QPushButton* LastButton;
};

} // namespace labels
