#pragma once

#include "design/model/design_owner.h"

#include <QDialog>
#include <QSize>

#include <vector>

class QButtonGroup;
class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace design {
class TGDataPanel;
class TGRecordSource;
} // namespace design

namespace quorvel {
class TDataset;
class TIniFile;
} // namespace quorvel

namespace labels {

// What a design screen works with besides the layout.
struct TDesignScreenContext {
    QString sysdataFolder; // the object clipboard file and the stock catalogue
    quorvel::TIniFile* ini = nullptr; // the default font and the window's placement
    // The address file whose records the objects show; both may be null.
    quorvel::TDataset* addresses = nullptr;
    const design::TGRecordSource* record = nullptr;
};

// What tells one designer from another: its names and texts, where its
// default font is kept, and how far it zooms.
struct TDesignScreenKind {
    const char* objectName;
    const char* title;
    const char* sizeTitle; // before the caption of the label's or envelope's size
    const char* sizeCaptionName;
    const char* changeButtonName;
    const char* changeButtonText;
    const char* descriptionName;
    // Settings file section of the default font; none when the designer
    // keeps the font with the design (KeepDefaultFont).
    const char* fontSection;
    int helpContext;
    // Zoom steps of 10 %: zooming out goes on while the zoom is at least
    // the first figure, zooming in while it is at most the second.
    int zoomOutWhileAtLeast = 0;
    int zoomInWhileAtMost = 0;
    bool zooms = true;
};

// A creation tool's button and the hint it shows.
struct TDesignToolButton {
    const char* buttonName;
    const char* hint;
};

// The buttons of a designer's tool table, in its order.
template <typename Tools>
std::vector<TDesignToolButton> DesignToolButtons(const Tools& tools)
{
    std::vector<TDesignToolButton> buttons;
    for (const auto& tool : tools)
        buttons.push_back({ tool.buttonName, tool.hint });
    return buttons;
}

// The frame the designers share: the description and default font above,
// the tools, view toggles and zoom, the surfaces in a scrolling view, and
// the record buttons, Cancel, Save and Help below. Save closes with 1 once
// the designer has kept the layout, Cancel with 2.
class TDesignScreen : public QDialog {
    Q_OBJECT

public:
    ~TDesignScreen() override;

    design::TGDesignOwner& Owner() { return owner_; }
    const design::TGDesignOwner& Owner() const { return owner_; }
    bool Changed() const;

protected:
    TDesignScreen(TDesignScreenContext context, const TDesignScreenKind& kind, QWidget* parent);

    // Lays the window out around the surface, which the designer made with
    // Owner(); the first tool is selection.
    void BuildScreen(design::TGDataPanel* surface, const std::vector<TDesignToolButton>& tools);
    // The same for a page holding several surfaces: grid, snap, fonts and
    // record moves reach all of them, the field names toggle only
    // `dataSurface`.
    void BuildScreen(QWidget* page, std::vector<design::TGDataPanel*> surfaces, design::TGDataPanel* dataSurface,
                     const std::vector<TDesignToolButton>& tools);

    // The toggles a designer adds between "Snap to Grid" and the field names.
    virtual void AddViewToggles(QWidget* bar);
    virtual void ToolClick(int tool) = 0;
    virtual void ChangeButtonClick() = 0;
    // The first showing of the window.
    virtual void FormActivate() = 0;
    // Keeps the design with its description (already cut to its length);
    // false leaves the window open.
    virtual bool KeepLayout(const QString& description) = 0;
    // Before KeepLayout: drops what lies outside the surfaces.
    virtual void TrimObjects();
    // The font chosen with the default-font button, already on the surfaces:
    // by default kept in the settings file section of the kind.
    virtual void KeepDefaultFont(const QFont& font);
    // The record buttons moved the address file.
    virtual void RecordMoved() { }

    QToolButton* AddToggle(QWidget* bar, const char* objectName, const char* text, const char* hint);
    void SelectTool(int tool);
    // Sizes the surface in pixels at zoom 1, keeping the zoom on the screen.
    void ResizeSurface(QSize actualSize);
    // Gives the font to every surface and shows it on the default-font button.
    void SetDefaultFont(const QFont& font);
    // Large enough to show the whole page at 100 %, within the screen.
    void FitToSurface();
    void RestorePlacement();
    void SetDescription(const QString& description);
    // The description as typed, cut to its length.
    QString EditedDescription() const;
    void MarkChanged();
    // Opening or zooming: nothing the screen does itself is an edit.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    bool Quiet() const { return quiet_; }

    void showEvent(QShowEvent* event) override;
    // Every way out, Save, Cancel or the window's close box, ends here:
    // the placement is kept. (A dialog closed by done() never sees its
    // close event.)
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void reject() override;

    TDesignScreenContext context_;
    QLabel* SizeCaption = nullptr;
    QPushButton* SaveButton = nullptr;

private:
    QWidget* MakeTopBar();
    QWidget* MakeToolPalette(const std::vector<TDesignToolButton>& tools);
    QWidget* MakeViewBar();
    QWidget* MakeBottomBar();
    QWidget* KeyTarget() const;
    void SaveButtonClick();

    // Tools and view.
    void ZoomBy(int steps);
    void ShowZoomCaption();
    void MoveRecord(QPushButton* button);
    void LoadDefaultFont();
    void DefaultFontbuttonClick();
    void ShowDefaultFontCaption();

    const TDesignScreenKind& kind_;
    design::TGDesignOwner owner_;
    QWidget* page_ = nullptr;
    std::vector<design::TGDataPanel*> surfaces_;
    design::TGDataPanel* dataSurface_ = nullptr;
    bool opened_ = false;
    bool quiet_ = true;
    int zoomPercent_ = 100;

    QLineEdit* Description = nullptr;
    QPushButton* DefaultFontbutton = nullptr;
    QButtonGroup* Tools = nullptr;
    QToolButton* ShowGrid = nullptr;
    QToolButton* SnapToGrid = nullptr;
    QToolButton* ShowFieldNamesButton = nullptr;
    QWidget* ZoomSpinner = nullptr;
    QLabel* ZoomCaption = nullptr;
    QScrollArea* SurfaceScroller = nullptr;
    QPushButton* FirstButton = nullptr;
    QPushButton* PriorButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* LastButton = nullptr;
};

} // namespace labels
