#pragma once

#include "reports/report_settings.h"

#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;

namespace design {
class TGDesignOwner;
class TGRecordSource;
class TReportPanel;
} // namespace design

namespace reports {

class THRuler;
class TReportBandSizer;

// The page area of the report designer: the ruler, and for each band its
// caption strip with the switch, the band and the sizer below it, laid out
// from the settings the designer owns. Switching a band, dragging a sizer
// and the memo band's "Properties" change those settings.
class TReportPageView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRulerHeight = 20;

    TReportPageView(design::TGDesignOwner& owner, const QString& clipboardFolder, TReportSettings& settings,
                    QWidget* parent = nullptr);

    // Header, detail or footer; none for the memo band, which holds no objects.
    design::TReportPanel* Band(TReportBand band) const { return bands_[band]; }
    QCheckBox* BandSwitch(TReportBand band) const { return switches_[band]; }
    TReportBandSizer* Sizer(TReportBand band) const { return sizers_[band]; }
    QMenu& MemoMenu() const { return *memoMenu_; }

    // Lays the strips and bands out again after the settings changed.
    void Relayout();
    // The memo band shows the record's notes in the memo font.
    void ShowMemo(const design::TGRecordSource* record);

signals:
    // The user changed the layout of the bands or the memo band's looks.
    void Changed();

private:
    QWidget* MakeCaption(TReportBand band, const QString& text);
    void MakeMemoMenu(QWidget* caption);
    void SwitchClicked(TReportBand band, bool on);
    void SizerDragged(TReportBand band, int movedBy);
    void SizerReleased(TReportBand band);
    void ChooseMemoFont();
    void SetMemoAlignment(int alignment);
    void ShowMemoLooks();

    TReportSettings& settings_;
    int pixelsPerInch_;
    int heightAtPress_ = 0;
    THRuler* ruler_;
    std::array<QWidget*, 4> captions_ {};
    std::array<QCheckBox*, 4> switches_ {};
    std::array<design::TReportPanel*, 4> bands_ {};
    std::array<TReportBandSizer*, 4> sizers_ {};
    QLabel* memoBand_ = nullptr;
    QMenu* memoMenu_ = nullptr;
    std::array<QAction*, 3> alignments_ {};
};

} // namespace reports
