#pragma once

#include "labels/label_layout.h"
#include "labels/windows/design_screen.h"

#include <QSize>
#include <functional>

namespace labels {

class TLabelDesignPanel;

// What the label design screen works with besides the layout.
struct TLabelDesignContext : TDesignScreenContext {
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
class TLabelDesignScreen : public TDesignScreen {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3200;
    // The narrowest label a POSTNET barcode fits on, inches.
    static constexpr double kPostNetMinimumWidth = 2.85;

    TLabelDesignScreen(TLabelDesignContext context, QWidget* parent = nullptr);

    TLabelDesignPanel& Panel() { return *LabelPanel; }

    // The layout to edit; the surface takes its size and shape.
    void SetLayout(const TLabelLayout& layout);
    // The layout as edited: after Save its description is the one typed.
    const TLabelLayout& Layout() const { return layout_; }
    // A new label gets an address block and a word of help when it opens.
    void SetNewLabel(bool isNew) { newLabel_ = isNew; }

    // The layout's sheet from the catalogue or typed by hand.
    void ChangeLayoutButtonClick();

protected:
    void AddViewToggles(QWidget* bar) override;
    void ToolClick(int tool) override;
    void ChangeButtonClick() override { ChangeLayoutButtonClick(); }
    void FormActivate() override;
    bool KeepLayout(const QString& description) override;

private:
    void AddNewLabelBlock();

    // The sheet.
    bool GetLayoutFromTemplate();
    bool GetUserDefinedLayout();
    void SetLabelSizeFromInches(const QString& shape, double width, double height);
    void ShowArtClick();
    void RemoveNarrowPostNet();

    std::function<QImage(const QString& art)> stockArt_;
    TLabelLayout layout_;
    bool newLabel_ = false;
    QSize labelSize_;
    QString shapeCode_;

    QToolButton* ShowArt = nullptr;
    TLabelDesignPanel* LabelPanel;
};

} // namespace labels
