#include "output/preview_form.h"

#include "output/magnifier_cursor.h"
#include "output/output_dialogs.h"
#include "output/output_error.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace output {

TPreviewForm::TPreviewForm(QIODevice* stream, QWidget* parent)
    : QDialog(parent), scrollBox_(new QScrollArea(this)), buttonBar_(new QWidget(this))
{
    setObjectName(QStringLiteral("TPreviewForm"));
    setSizeGripEnabled(true);
    resize(800, 640);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox"));
    scrollBox_->setBackgroundRole(QPalette::Dark);
    scrollBox_->viewport()->setCursor(MagnifierCursor());
    BuildButtonBar();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollBox_, 1);
    layout->addWidget(buttonBar_);

    preview_.SetStream(stream);
    preview_.SetScrollBox(scrollBox_);
    preview_.SetMarginPercent(2.5);
    preview_.SetShadowDepth(0);
    preview_.OnPageChange = [this] { UpdateCaption(); };
    preview_.OnZoomChange = [this] { UpdateCaption(); };
}

void TPreviewForm::BuildButtonBar()
{
    buttonBar_->setObjectName(QStringLiteral("ButtonBar"));
    auto* bar = new QHBoxLayout(buttonBar_);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(addButton(tr("Ok"), "OkButton", &TPreviewForm::OkButtonClick));
    bar->addWidget(addButton(tr("Zoom &In"), "ZoomInButton", &TPreviewForm::ZoomInButtonClick));
    bar->addWidget(addButton(tr("Zoom &Out"), "ZoomOutButton", &TPreviewForm::ZoomOutButtonClick));
    bar->addWidget(addButton(tr("Page &Width"), "PageWidthButton", &TPreviewForm::PageWidthButtonClick));
    bar->addWidget(addButton(tr("W&hole Page"), "WholePageButton", &TPreviewForm::WholePageButtonClick));
    bar->addWidget(addButton(tr("100%"), "Zoom100Button", &TPreviewForm::Zoom100ButtonClick));
    pageButtons_ = {addButton(tr("|<"), "FirstPageButton", &TPreviewForm::FirstPageButtonClick),
                    addButton(tr("<"), "PrevPageButton", &TPreviewForm::PrevPageButtonClick),
                    addButton(tr(">"), "NextPageButton", &TPreviewForm::NextPageButtonClick),
                    addButton(tr(">|"), "LastPageButton", &TPreviewForm::LastPageButtonClick)};
    const QString tips[] = {tr("First page"), tr("Previous page"), tr("Next page"), tr("Last page")};
    for (std::size_t i = 0; i < pageButtons_.size(); ++i) {
        pageButtons_[i]->setToolTip(tips[i]);
        bar->addWidget(pageButtons_[i]);
    }
    bar->addStretch();
    bar->addWidget(addButton(tr("&Help"), "HelpButton", &TPreviewForm::HelpButtonClick));
}

TPreviewForm::~TPreviewForm() = default;

QPushButton* TPreviewForm::addButton(const QString& text, const char* name, void (TPreviewForm::*slot)())
{
    auto* button = new QPushButton(text, buttonBar_);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void TPreviewForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TPreviewForm::FormActivate()
{
    placement_->Restore(*this, QStringLiteral("TPreviewForm_Placement"));
    try {
        preview_.StartViewing();
    } catch (const EReportError& error) {
        (dialogs_ != nullptr ? *dialogs_ : DefaultOutputDialogs()).ShowError(error.text());
        return;
    }
    preview_.PageView()->installEventFilter(this);
    preview_.PageView()->setCursor(MagnifierCursor());
    // The layout must have settled before a fitting zoom is measured.
    layout()->activate();
    if (initialZoom_ == zmWholePage)
        preview_.ZoomWholePage();
    else if (initialZoom_ == zmPageWidth)
        preview_.ZoomPageWidth();
    else
        preview_.SetZoomFactor(initialZoom_);
    for (QPushButton* button : pageButtons_)
        button->setVisible(preview_.PageCount() >= 2);
    UpdateCaption();
}

void TPreviewForm::UpdateCaption()
{
    const int page = preview_.ShownPage() - preview_.FirstPage() + 1;
    const auto zoom = static_cast<long>(std::nearbyint(preview_.ZoomFactor()));
    setWindowTitle(QStringLiteral("Preview Page %1 of %2 ( %3% )").arg(page).arg(preview_.PageCount()).arg(zoom));
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == preview_.PageView() && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            preview_.ZoomIn();
        else
            preview_.ZoomOut();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPreviewForm::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = scrollBox_->verticalScrollBar();
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        const int step = event->key() == Qt::Key_Up ? -bar->singleStep() : bar->singleStep();
        bar->setValue(std::clamp(bar->value() + step, bar->minimum(), bar->maximum()));
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPreviewForm::HelpButtonClick()
{
    if (help_)
        help_();
}

void TPreviewForm::done(int result)
{
    preview_.StopViewing();
    placement_->Save(*this, QStringLiteral("TPreviewForm_Placement"));
    QDialog::done(result);
}

} // namespace output
