#include "labels/windows/label_design_screen.h"

#include "labels/label_font_preferences.h"
#include "labels/new_label_design.h"
#include "labels/windows/dialog_buttons.h"
#include "labels/windows/label_design_panel.h"
#include "labels/windows/label_design_tools.h"
#include "store/ini_file.h"
#include "ui/services.h"
#include "ui/window_placement.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace labels {

namespace {

const QString kNewLabelMessage = QStringLiteral(
    "A new label has been created using the Avery 5160\rformat. To change to another label format, click on\rthe "
    "Change Layout button.\r\rA Database Mailing Address object has already been \radded to the label.\r\rFor "
    "additional assistance, click the Help button");

} // namespace

TLabelDesignScreen::TLabelDesignScreen(TLabelDesignContext context, QWidget* parent)
    : QDialog(parent)
    , context_(std::move(context))
    , owner_(96)
{
    setObjectName(QStringLiteral("LabelDesignScreen"));
    setWindowTitle(QStringLiteral("Label Design Screen"));
    setSizeGripEnabled(true);

    LabelPanel = new TLabelDesignPanel(owner_, context_.sysdataFolder);
    LabelPanel->SetRecordSource(context_.record, context_.record != nullptr);
    SurfaceScroller = new QScrollArea(this);
    SurfaceScroller->setObjectName(QStringLiteral("SurfaceScroller"));
    SurfaceScroller->setBackgroundRole(QPalette::Dark);
    SurfaceScroller->setWidget(LabelPanel);

    auto* column = new QVBoxLayout(this);
    column->addWidget(MakeTopBar());
    column->addWidget(MakeToolBar());
    column->addWidget(SurfaceScroller, 1);
    column->addWidget(MakeBottomBar());
    resize(720, 480);

    connect(LabelPanel, &design::TGBasePanel::LabelChangedEvent, this, &TLabelDesignScreen::MarkChanged);
    connect(LabelSetupDescription, &QLineEdit::textEdited, this, &TLabelDesignScreen::MarkChanged);
    LoadDefaultFont();
    SetLayout(layout_);
}

TLabelDesignScreen::~TLabelDesignScreen()
{
    // The surface's objects sign off from the owner as they go, so the
    // surface must go first.
    delete LabelPanel;
}

QWidget* TLabelDesignScreen::MakeTopBar()
{
    auto* bar = new QWidget(this);
    TemplateType = new QLabel(bar);
    TemplateType->setObjectName(QStringLiteral("TemplateType"));
    ChangeLayoutButton = MakeButton(bar, "ChangeLayoutButton", QStringLiteral("Change Layout"));
    LabelSetupDescription = new QLineEdit(bar);
    LabelSetupDescription->setObjectName(QStringLiteral("LabelSetupDescription"));
    LabelSetupDescription->setMaxLength(60);
    DefaultFontbutton = MakeButton(bar, "DefaultFontbutton", QString());
    auto* row = new QHBoxLayout(bar);
    row->addWidget(new QLabel(QStringLiteral("Layout:"), bar));
    row->addWidget(TemplateType, 1);
    row->addWidget(ChangeLayoutButton);
    row->addWidget(new QLabel(QStringLiteral("Description:"), bar));
    row->addWidget(LabelSetupDescription, 1);
    row->addWidget(DefaultFontbutton);
    connect(ChangeLayoutButton, &QPushButton::clicked, this, &TLabelDesignScreen::ChangeLayoutButtonClick);
    connect(DefaultFontbutton, &QPushButton::clicked, this, &TLabelDesignScreen::DefaultFontbuttonClick);
    return bar;
}

QToolButton* TLabelDesignScreen::AddToggle(QWidget* bar, const char* objectName, const char* text, const char* hint)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(QString::fromLatin1(text));
    button->setToolTip(QString::fromLatin1(hint));
    button->setCheckable(true);
    bar->layout()->addWidget(button);
    return button;
}

QWidget* TLabelDesignScreen::MakeToolBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    int id = 0;
    for (const TLabelDesignTool& tool : LabelDesignTools()) {
        QToolButton* button = AddToggle(bar, tool.buttonName, tool.hint, tool.hint);
        Tools->addButton(button, id++);
    }
    Tools->button(0)->setChecked(true);
    row->addSpacing(12);
    ShowGrid = AddToggle(bar, "ShowGrid", "Grid", "Show grid");
    SnapToGrid = AddToggle(bar, "SnapToGrid", "Snap", "Snap to Grid");
    ShowArt = AddToggle(bar, "ShowArt", "Art", "Show art");
    ShowFieldNamesButton
        = AddToggle(bar, "ShowFieldNamesButton", "Names", "Toggle display of field names or field values");
    ShowFieldNamesButton->setChecked(true); // down: the objects show field names
    ZoomSpinner = new QWidget(bar);
    ZoomSpinner->setObjectName(QStringLiteral("ZoomSpinner"));
    auto* zoomRow = new QHBoxLayout(ZoomSpinner);
    zoomRow->setContentsMargins(0, 0, 0, 0);
    auto* zoomOut = MakeButton(ZoomSpinner, "ZoomOutButton", QStringLiteral("-"));
    auto* zoomIn = MakeButton(ZoomSpinner, "ZoomInButton", QStringLiteral("+"));
    zoomRow->addWidget(zoomOut);
    zoomRow->addWidget(zoomIn);
    ZoomCaption = new QLabel(bar);
    ZoomCaption->setObjectName(QStringLiteral("ZoomCaption"));
    row->addWidget(ZoomSpinner);
    row->addWidget(ZoomCaption);
    row->addStretch();
    ShowZoomCaption();

    connect(Tools, &QButtonGroup::idClicked, this, &TLabelDesignScreen::ToolClick);
    connect(ShowGrid, &QToolButton::toggled, this, [this](bool on) { LabelPanel->SetShowGrid(on); });
    connect(SnapToGrid, &QToolButton::toggled, this, [this](bool on) { LabelPanel->SetSnapToGrid(on); });
    connect(ShowArt, &QToolButton::toggled, this, &TLabelDesignScreen::ShowArtClick);
    connect(ShowFieldNamesButton, &QToolButton::toggled, this,
        [this](bool names) { LabelPanel->SetDisplayDataValues(!names); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { ZoomBy(-1); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { ZoomBy(1); });
    return bar;
}

QWidget* TLabelDesignScreen::MakeBottomBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    FirstButton = MakeButton(bar, "FirstButton", QStringLiteral("|<"));
    PriorButton = MakeButton(bar, "PriorButton", QStringLiteral("<"));
    NextButton = MakeButton(bar, "NextButton", QStringLiteral(">"));
    LastButton = MakeButton(bar, "LastButton", QStringLiteral(">|"));
    for (QPushButton* button : { FirstButton, PriorButton, NextButton, LastButton }) {
        row->addWidget(button);
        button->setEnabled(context_.addresses != nullptr);
        connect(button, &QPushButton::clicked, this, [this, button] { MoveRecord(button); });
    }
    row->addStretch();
    auto* cancel = MakeButton(bar, "CancelButton", QStringLiteral("Cancel"));
    SaveButton = MakeButton(bar, "SaveButton", QStringLiteral("&Save"));
    auto* help = MakeButton(bar, "HelpButton", QStringLiteral("&Help"));
    row->addWidget(cancel);
    row->addWidget(SaveButton);
    row->addWidget(help);
    SaveButton->hide();
    connect(cancel, &QPushButton::clicked, this, &TLabelDesignScreen::reject);
    connect(SaveButton, &QPushButton::clicked, this, &TLabelDesignScreen::SaveButtonClick);
    connect(help, &QPushButton::clicked, this, [] { quorvel::TServices::help().showTopic(kHelpContext); });
    return bar;
}

void TLabelDesignScreen::SetLayout(const TLabelLayout& layout)
{
    const bool wasQuiet = quiet_;
    quiet_ = true;
    layout_ = layout;
    LabelSetupDescription->setText(layout_.description);
    TemplateType->setText(LayoutCaption(layout_.stock));
    const TLabelGeometry& geometry = layout_.stock.geometry;
    SetLabelSizeFromInches(geometry.shape, geometry.width, geometry.height);
    ShowArt->setEnabled(!layout_.stock.art.isEmpty());
    quiet_ = wasQuiet;
}

bool TLabelDesignScreen::Changed() const
{
    return !SaveButton->isHidden();
}

void TLabelDesignScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        FormActivate();
    }
}

void TLabelDesignScreen::FormActivate()
{
    if (context_.ini)
        quorvel::TWindowPlacement(*context_.ini).restore(this, parentWidget());
    quiet_ = true;
    SetLayout(layout_);
    if (!layout_.stock.art.isEmpty()) {
        ShowArt->setChecked(true);
        ShowArtClick();
    }
    SaveButton->hide();
    quiet_ = false;
    if (newLabel_)
        AddNewLabelBlock();
}

void TLabelDesignScreen::AddNewLabelBlock()
{
    Tools->button(static_cast<int>(LabelDesignTools().size()) - 1)->setChecked(true);
    LabelPanel->SetPanelState(design::TLPanelState::psAddressLabel);
    design::TGGraphicControl* block
        = AddNewLabelAddressBlock(owner_, LabelPanel->Objects(), labelSize_, LabelPanel->NewObjectFont());
    LabelPanel->AdoptObjects();
    Tools->button(0)->setChecked(true);
    LabelPanel->SetPanelState(design::TLPanelState::psPointing);
    LabelPanel->SelectObject(block, false);
    // A new layout is not in the table yet: it can be saved as it is.
    MarkChanged();
    quorvel::TServices::messages().information(this, kNewLabelMessage);
}

void TLabelDesignScreen::MarkChanged()
{
    if (!quiet_)
        SaveButton->show();
}

void TLabelDesignScreen::SaveButtonClick()
{
    LabelPanel->RemoveObjectsOutside();
    layout_.description = KeptDescription(LabelSetupDescription->text());
    done(1);
}

void TLabelDesignScreen::reject()
{
    done(2);
}

void TLabelDesignScreen::closeEvent(QCloseEvent* event)
{
    if (context_.ini)
        quorvel::TWindowPlacement(*context_.ini).save(this);
    QDialog::closeEvent(event);
}

void TLabelDesignScreen::keyPressEvent(QKeyEvent* event)
{
    if (LabelSetupDescription->hasFocus()) {
        QDialog::keyPressEvent(event);
        return;
    }
    QScrollBar* bar = SurfaceScroller->verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return;
    case Qt::Key_PageDown:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return;
    case Qt::Key_Home:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return;
    case Qt::Key_End:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return;
    case Qt::Key_Escape:
        QDialog::keyPressEvent(event);
        return;
    default:
        if (!(event->modifiers() & Qt::KeypadModifier)
            || (event->key() != Qt::Key_Plus && event->key() != Qt::Key_Minus)) {
            // The selection frame moves the selection; the surface deletes it.
            QWidget* target = LabelPanel->Handle().isVisible() ? static_cast<QWidget*>(&LabelPanel->Handle())
                                                               : static_cast<QWidget*>(LabelPanel);
            QCoreApplication::sendEvent(target, event);
        }
    }
}

void TLabelDesignScreen::keyReleaseEvent(QKeyEvent* event)
{
    if ((event->modifiers() & Qt::KeypadModifier) && !LabelSetupDescription->hasFocus()) {
        if (event->key() == Qt::Key_Plus)
            return ZoomBy(1);
        if (event->key() == Qt::Key_Minus)
            return ZoomBy(-1);
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace labels
