#pragma once

#include "output/file_preview.h"
#include "output/placement_store.h"

#include <QDialog>

#include <functional>

class QIODevice;
class QPushButton;
class QScrollArea;

namespace output {

class TOutputDialogs;

// The preview window: the caller's recorded pages with zoom and page
// buttons. The caller sets the caption ("Preview Labels", ...) and the
// initial zoom mode, then shows it modally.
class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    enum { zmWholePage = 1, zmPageWidth = 2 };

    explicit TPreviewForm(QIODevice* stream, QWidget* parent = nullptr);
    ~TPreviewForm() override;

    // 1 whole page (the default), 2 page width, anything else a percent.
    void SetInitialZoom(int mode) { initialZoom_ = mode; }
    void SetPlacementStore(TPlacementStore* store) { placement_ = store; }
    void SetDialogs(TOutputDialogs* dialogs) { dialogs_ = dialogs; }
    void SetHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }

    TFilePreview& FilePreview() { return preview_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void BuildButtonBar();
    QPushButton* addButton(const QString& text, const char* name, void (TPreviewForm::*slot)());
    void FormActivate();
    void UpdateCaption();
    void OkButtonClick() { accept(); }
    void ZoomInButtonClick() { preview_.ZoomIn(); }
    void ZoomOutButtonClick() { preview_.ZoomOut(); }
    void PageWidthButtonClick() { preview_.ZoomPageWidth(); }
    void WholePageButtonClick() { preview_.ZoomWholePage(); }
    void Zoom100ButtonClick() { preview_.SetZoomFactor(100.0); }
    void FirstPageButtonClick() { preview_.ShowPage(1); }
    void PrevPageButtonClick() { preview_.PreviousPage(); }
    void NextPageButtonClick() { preview_.NextPage(); }
    void LastPageButtonClick() { preview_.ShowPage(preview_.PageCount()); }
    void HelpButtonClick();

    TFilePreview preview_;
    QScrollArea* scrollBox_;
    QWidget* buttonBar_;
    std::vector<QPushButton*> pageButtons_;
    TNoPlacementStore noPlacement_;
    TPlacementStore* placement_ = &noPlacement_;
    TOutputDialogs* dialogs_ = nullptr;
    std::function<void()> help_;
    int initialZoom_ = zmWholePage;
    bool activated_ = false;
};

} // namespace output
