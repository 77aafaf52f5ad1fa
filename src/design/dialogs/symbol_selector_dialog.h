#pragma once

#include "design/model/design_font.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace quorvel {
class THelp;
}

namespace design {

class TGSymbolLabel;

// "Symbol Selector": the 224 characters 32 to 255 of a font in a grid, with
// a button that changes the font (through the application's font dialog).
class TSymbolSelector : public QDialog {
public:
    static constexpr int kHelpContext = 40005;

    TSymbolSelector(const TGFont& font, int pixelsPerInch, int symbolIndex, quorvel::THelp* help,
                    QWidget* parent = nullptr);

    const TGFont& Font() const { return font_; }
    // 0 to 223: the character code minus 32.
    int SymbolIndex() const;
    int Columns() const;

private:
    void FontButtonClick();
    void ShowFont();
    void SelectIndex(int index);

    TGFont font_;
    int pixelsPerInch_;
    QTableWidget* SymbolGrid;
    QPushButton* FontButton;
};

// The object command "Symbol Selector": on OK the symbol takes the font and
// the character, and sizes itself to it.
bool SelectSymbol(TGSymbolLabel& symbol, quorvel::THelp* help, QWidget* parent = nullptr);

} // namespace design
