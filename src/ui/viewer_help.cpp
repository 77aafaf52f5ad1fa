#include "ui/viewer_help.h"

#include <QApplication>

namespace quorvel {

TViewerHelp::~TViewerHelp()
{
    // The program's own instance outlives the application object, and no
    // widget may be deleted after that.
    if (QCoreApplication::instance())
        delete viewer_.data();
}

void TViewerHelp::showTopic(int context) { shownViewer()->showTopic(context); }

void TViewerHelp::showContents() { shownViewer()->showContents(); }

void TViewerHelp::showSearch() { shownViewer()->showSearch(); }

THelpViewer* TViewerHelp::shownViewer()
{
    // Help is mostly asked for from a modal dialog, which blocks every window
    // that is not its own; the help window then belongs to that dialog.
    QWidget* modal = QApplication::activeModalWidget();
    THelpViewer* viewer = viewer_.data();
    if (viewer && owner_.data() != modal) {
        delete viewer;
        viewer = nullptr;
    }
    if (!viewer) {
        viewer = new THelpViewer(THelpLibrary(THelpLibrary::defaultFolder()), modal);
        // An open help window must not keep the program running after the
        // main window has closed.
        viewer->setAttribute(Qt::WA_QuitOnClose, false);
        viewer_ = viewer;
        owner_ = modal;
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

} // namespace quorvel
