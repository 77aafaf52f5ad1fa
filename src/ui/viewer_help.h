#pragma once

#include "ui/help.h"
#include "ui/help_viewer.h"

#include <QPointer>

namespace quorvel {

// Help shown in the help window, which is made on first use and then reused.
class TViewerHelp : public THelp {
public:
    ~TViewerHelp() override;

    void showTopic(int context) override;
    void showContents() override;
    void showSearch() override;

    // The window, or null before the first use.
    THelpViewer* viewer() const { return viewer_; }

private:
    THelpViewer* shownViewer();

    QPointer<THelpViewer> viewer_;
    // The modal dialog the window belongs to, if any.
    QPointer<QWidget> owner_;
};

} // namespace quorvel
