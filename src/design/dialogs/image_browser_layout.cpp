#include "design/dialogs/image_browser_layout.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace design {

namespace {

template <typename T>
T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* MakePreview(QDialog& dialog)
{
    auto* preview = Named(new QLabel(&dialog), "Preview");
    preview->setFixedSize(240, 240);
    preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setBackgroundRole(QPalette::Base);
    preview->setAutoFillBackground(true);
    return preview;
}

} // namespace

TGImageBrowserControls BuildImageBrowserLayout(QDialog& dialog)
{
    TGImageBrowserControls c{};
    c.FileEdit = Named(new QLineEdit(&dialog), "FileEdit");
    c.FileEdit->setReadOnly(true);
    c.BrowseButton = Named(new QPushButton(QStringLiteral("Browse..."), &dialog), "BrowseButton");
    c.Preview = MakePreview(dialog);
    c.StretchBox = Named(new QCheckBox(QStringLiteral("Stretch"), &dialog), "StretchBox");
    c.StretchBox->setToolTip(QStringLiteral("Stretch image to max display size"));
    c.AutoSizeBox = Named(new QCheckBox(QStringLiteral("AutoSize"), &dialog), "AutoSizeBox");
    c.AutoSizeBox->setToolTip(QStringLiteral("AutoSize TImage"));
    c.OkButton = Named(new QPushButton(QStringLiteral("Ok"), &dialog), "OkButton");
    c.OkButton->setDefault(true);
    c.CancelButton = Named(new QPushButton(QStringLiteral("Cancel"), &dialog), "CancelButton");
    c.HelpButton = Named(new QPushButton(QStringLiteral("Help"), &dialog), "HelpButton");

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(c.FileEdit, 1);
    fileRow->addWidget(c.BrowseButton);
    auto* buttons = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(c.StretchBox), static_cast<QWidget*>(c.AutoSizeBox)})
        buttons->addWidget(w);
    buttons->addStretch(1);
    for (QPushButton* b : {c.OkButton, c.CancelButton, c.HelpButton})
        buttons->addWidget(b);
    auto* body = new QHBoxLayout;
    body->addWidget(c.Preview);
    body->addLayout(buttons);
    auto* main = new QVBoxLayout(&dialog);
    main->addLayout(fileRow);
    main->addLayout(body);
    return c;
}

} // namespace design
