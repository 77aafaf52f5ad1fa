#include "labels/windows/record_choice_box.h"

#include "labels/windows/dialog_buttons.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace labels {

TRecordChoiceBox::TRecordChoiceBox(QWidget* parent)
    : QGroupBox(QStringLiteral("What to Print"), parent)
{
    setObjectName(QStringLiteral("WhatToPrint"));
    rbQAll = Named(new QRadioButton(QStringLiteral("&All records"), this), "rbQAll");
    rbQFilter = Named(new QRadioButton(QStringLiteral("&Records matching filter"), this), "rbQFilter");
    rbOnlyThis = Named(new QRadioButton(QStringLiteral("&Only current record"), this), "rbOnlyThis");
    StartCurrentCheck = Named(new QCheckBox(QStringLiteral("Start &from current record"), this), "StartCurrentCheck");
    choices_ = new QVBoxLayout(this);
    for (QWidget* control : std::initializer_list<QWidget*> { rbQAll, rbQFilter, rbOnlyThis, StartCurrentCheck })
        choices_->addWidget(control);

    const auto choose = [this](TRecordChoice records) {
        if (OnChoose)
            OnChoose(records);
    };
    connect(rbQAll, &QRadioButton::clicked, this, [choose] { choose(rcAllRecords); });
    connect(rbQFilter, &QRadioButton::clicked, this, [choose] { choose(rcMatchingFilter); });
    connect(rbOnlyThis, &QRadioButton::clicked, this, [choose] { choose(rcOnlyCurrent); });
    connect(StartCurrentCheck, &QCheckBox::clicked, this, [this](bool on) {
        if (OnStartFromCurrent)
            OnStartFromCurrent(on);
    });
}

void TRecordChoiceBox::Show(TRecordChoice records, bool startFromCurrent)
{
    rbQAll->setChecked(records == rcAllRecords);
    rbQFilter->setChecked(records == rcMatchingFilter);
    rbOnlyThis->setChecked(records == rcOnlyCurrent);
    StartCurrentCheck->setChecked(startFromCurrent);
}

void TRecordChoiceBox::SetFilterChoiceEnabled(bool enabled)
{
    rbQFilter->setEnabled(enabled);
}

void TRecordChoiceBox::AddOption(QWidget* option)
{
    option->setParent(this);
    choices_->addWidget(option);
}

} // namespace labels
