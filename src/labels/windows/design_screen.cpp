#include "labels/windows/design_screen.h"

#include "design/panels/panel_data.h"
#include "labels/label_layout.h"
#include "labels/windows/dialog_buttons.h"
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
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace labels {

TDesignScreen::TDesignScreen(TDesignScreenContext context, const TDesignScreenKind& kind, QWidget* parent)
    : QDialog(parent)
    , context_(std::move(context))
    , kind_(kind)
    , owner_(96)
{
    setObjectName(QString::fromLatin1(kind_.objectName));
    setWindowTitle(QString::fromLatin1(kind_.title));
    setSizeGripEnabled(true);
}

TDesignScreen::~TDesignScreen()
{
    // The surfaces' objects sign off from the owner as they go, so the
    // surfaces must go first.
    delete page_;
}

void TDesignScreen::BuildScreen(design::TGDataPanel* surface, const std::vector<TDesignToolButton>& tools)
{
    BuildScreen(surface, { surface }, surface, tools);
}

void TDesignScreen::BuildScreen(QWidget* page, std::vector<design::TGDataPanel*> surfaces,
                                design::TGDataPanel* dataSurface, const std::vector<TDesignToolButton>& tools)
{
    page_ = page;
    surfaces_ = std::move(surfaces);
    dataSurface_ = dataSurface;
    for (design::TGDataPanel* surface : surfaces_)
        surface->SetRecordSource(context_.record, context_.record != nullptr);
    SurfaceScroller = new QScrollArea(this);
    SurfaceScroller->setObjectName(QStringLiteral("SurfaceScroller"));
    SurfaceScroller->setBackgroundRole(QPalette::Dark);
    SurfaceScroller->setWidget(page_);

    // The tools stand in a column beside the surface, as in drawing
    // programs: in one row with the view toggles they made the window wider
    // than most screens.
    auto* middle = new QHBoxLayout;
    middle->addWidget(MakeToolPalette(tools));
    middle->addWidget(SurfaceScroller, 1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(MakeTopBar());
    column->addWidget(MakeViewBar());
    column->addLayout(middle, 1);
    column->addWidget(MakeBottomBar());

    for (design::TGDataPanel* surface : surfaces_)
        connect(surface, &design::TGBasePanel::LabelChangedEvent, this, &TDesignScreen::MarkChanged);
    connect(Description, &QLineEdit::textEdited, this, &TDesignScreen::MarkChanged);
    if (kind_.fontSection)
        LoadDefaultFont();
}

QWidget* TDesignScreen::MakeTopBar()
{
    auto* bar = new QWidget(this);
    SizeCaption = new QLabel(bar);
    SizeCaption->setObjectName(QString::fromLatin1(kind_.sizeCaptionName));
    auto* change = MakeButton(bar, kind_.changeButtonName, QString::fromLatin1(kind_.changeButtonText));
    Description = new QLineEdit(bar);
    Description->setObjectName(QString::fromLatin1(kind_.descriptionName));
    Description->setMaxLength(60);
    DefaultFontbutton = MakeButton(bar, "DefaultFontbutton", QString());
    auto* row = new QHBoxLayout(bar);
    row->addWidget(new QLabel(QString::fromLatin1(kind_.sizeTitle), bar));
    row->addWidget(SizeCaption, 1);
    row->addWidget(change);
    row->addWidget(new QLabel(QStringLiteral("Description:"), bar));
    row->addWidget(Description, 1);
    row->addWidget(DefaultFontbutton);
    connect(change, &QPushButton::clicked, this, &TDesignScreen::ChangeButtonClick);
    connect(DefaultFontbutton, &QPushButton::clicked, this, &TDesignScreen::DefaultFontbuttonClick);
    return bar;
}

QToolButton* TDesignScreen::AddToggle(QWidget* bar, const char* objectName, const char* text, const char* hint)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(QString::fromLatin1(text));
    button->setToolTip(QString::fromLatin1(hint));
    button->setCheckable(true);
    bar->layout()->addWidget(button);
    return button;
}

void TDesignScreen::AddViewToggles(QWidget*) { }

QWidget* TDesignScreen::MakeToolPalette(const std::vector<TDesignToolButton>& tools)
{
    auto* palette = new QWidget(this);
    auto* column = new QVBoxLayout(palette);
    column->setContentsMargins(0, 0, 0, 0);
    Tools = new QButtonGroup(this);
    Tools->setExclusive(true);
    int id = 0;
    for (const TDesignToolButton& tool : tools) {
        QToolButton* button = AddToggle(palette, tool.buttonName, tool.hint, tool.hint);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        Tools->addButton(button, id++);
    }
    Tools->button(0)->setChecked(true);
    column->addStretch();
    connect(Tools, &QButtonGroup::idClicked, this, &TDesignScreen::ToolClick);
    return palette;
}

void TDesignScreen::FitToSurface()
{
    // Large enough to show the whole label or envelope at 100 %, but never
    // larger than the screen it opens on.
    const QSize wanted = sizeHint() + page_->size() - SurfaceScroller->sizeHint() + QSize(8, 8);
    QSize fitted = wanted.expandedTo(QSize(720, 480));
    if (const QScreen* shown = screen())
        fitted = fitted.boundedTo(shown->availableSize() * 9 / 10);
    resize(fitted);
}

QWidget* TDesignScreen::MakeViewBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    ShowGrid = AddToggle(bar, "ShowGrid", "Grid", "Show grid");
    SnapToGrid = AddToggle(bar, "SnapToGrid", "Snap", "Snap to Grid");
    AddViewToggles(bar);
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
    ZoomSpinner->setVisible(kind_.zooms);
    ZoomCaption->setVisible(kind_.zooms);

    connect(ShowGrid, &QToolButton::toggled, this, [this](bool on) {
        for (design::TGDataPanel* surface : surfaces_)
            surface->SetShowGrid(on);
    });
    connect(SnapToGrid, &QToolButton::toggled, this, [this](bool on) {
        for (design::TGDataPanel* surface : surfaces_)
            surface->SetSnapToGrid(on);
    });
    connect(ShowFieldNamesButton, &QToolButton::toggled, this,
        [this](bool names) { dataSurface_->SetDisplayDataValues(!names); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { ZoomBy(-1); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { ZoomBy(1); });
    return bar;
}

QWidget* TDesignScreen::MakeBottomBar()
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
    const int helpContext = kind_.helpContext;
    connect(cancel, &QPushButton::clicked, this, &TDesignScreen::reject);
    connect(SaveButton, &QPushButton::clicked, this, &TDesignScreen::SaveButtonClick);
    connect(help, &QPushButton::clicked, this, [helpContext] { quorvel::TServices::help().showTopic(helpContext); });
    return bar;
}

void TDesignScreen::SelectTool(int tool)
{
    Tools->button(tool)->setChecked(true);
}

void TDesignScreen::ResizeSurface(QSize actualSize)
{
    const bool wasQuiet = quiet_;
    quiet_ = true;
    design::TGDataPanel* surface = surfaces_.front();
    const float zoom = surface->Zoom();
    if (zoom != 1.0f)
        surface->SetZoom(1.0f);
    surface->resize(actualSize);
    if (zoom != 1.0f)
        surface->SetZoom(zoom);
    quiet_ = wasQuiet;
}

void TDesignScreen::RestorePlacement()
{
    FitToSurface();
    if (context_.ini)
        quorvel::TWindowPlacement(*context_.ini).restore(this, parentWidget());
}

void TDesignScreen::SetDescription(const QString& description)
{
    Description->setText(description);
}

QString TDesignScreen::EditedDescription() const
{
    return KeptDescription(Description->text());
}

bool TDesignScreen::Changed() const
{
    return !SaveButton->isHidden();
}

void TDesignScreen::MarkChanged()
{
    if (!quiet_)
        SaveButton->show();
}

void TDesignScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        FormActivate();
    }
}

void TDesignScreen::TrimObjects()
{
    for (design::TGDataPanel* surface : surfaces_)
        surface->RemoveObjectsOutside();
}

void TDesignScreen::SaveButtonClick()
{
    TrimObjects();
    if (KeepLayout(EditedDescription()))
        done(1);
}

void TDesignScreen::reject()
{
    done(2);
}

void TDesignScreen::done(int result)
{
    if (context_.ini)
        quorvel::TWindowPlacement(*context_.ini).save(this);
    QDialog::done(result);
}

void TDesignScreen::keyPressEvent(QKeyEvent* event)
{
    if (Description->hasFocus()) {
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
            QCoreApplication::sendEvent(KeyTarget(), event);
        }
    }
}

QWidget* TDesignScreen::KeyTarget() const
{
    // The selection frame moves the selection; the surface deletes it.
    for (design::TGDataPanel* surface : surfaces_)
        if (surface->Handle().isVisible())
            return &surface->Handle();
    for (design::TGDataPanel* surface : surfaces_)
        if (surface->hasFocus())
            return surface;
    return surfaces_.front();
}

void TDesignScreen::keyReleaseEvent(QKeyEvent* event)
{
    if (kind_.zooms && (event->modifiers() & Qt::KeypadModifier) && !Description->hasFocus()) {
        if (event->key() == Qt::Key_Plus)
            return ZoomBy(1);
        if (event->key() == Qt::Key_Minus)
            return ZoomBy(-1);
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace labels
