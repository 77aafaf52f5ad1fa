#pragma once

#include "labels/label_run.h"

#include <QString>

#include <functional>

class QWidget;

namespace output {
class TPreviewForm;
}

namespace labels {

// The windows of a print job started from a window: the job runs in the
// print status window, and a preview's pages open in a preview form with
// the job's own title and first zoom.
class TPrintJobWindowHost : public TLabelRunHost {
public:
    using TPreparePreview = std::function<void(output::TPreviewForm&)>;

    // `previewZoom` is a percentage or one of TPreviewForm's zoom modes.
    TPrintJobWindowHost(QWidget* parent, QString previewTitle, int previewZoom, TPreparePreview preparePreview)
        : parent_(parent)
        , previewTitle_(std::move(previewTitle))
        , previewZoom_(previewZoom)
        , preparePreview_(std::move(preparePreview))
    {
    }

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& pages) override;

protected:
    QWidget* Parent() const { return parent_; }

private:
    QWidget* parent_;
    QString previewTitle_;
    int previewZoom_;
    TPreparePreview preparePreview_;
};

} // namespace labels
