#include "labels/label_run_options.h"

namespace labels {

QString CheckRunOptions(const TLabelRunOptions& options, const TLabelGeometry& geometry)
{
    const int positions = geometry.PositionCount();
    if (positions == 0)
        return QStringLiteral("The label sheet has no label positions: it needs 1 to %1 labels across and 1 to %2 down.")
            .arg(kMaxAcross)
            .arg(kMaxDown);
    if (!MaskSelectsAny(options.mask, geometry))
        return messages::noPositionSelected();
    if (options.copies < 1 || options.copies > kMaxCopies)
        return QStringLiteral("The number of each label to print must be from 1 to %1.").arg(kMaxCopies);
    if (options.startPosition < 1 || options.startPosition > positions)
        return QStringLiteral("The start position must be from 1 to %1.").arg(positions);
    if (!MaskSelectsAny(options.mask, geometry, options.startPosition - 1))
        return QStringLiteral("No label position at or after the start position %1 is selected.")
            .arg(options.startPosition);
    return {};
}

output::TPrintJobTexts LabelJobTexts()
{
    output::TPrintJobTexts texts;
    texts.printCompleted = QStringLiteral("\rLabel Print Completed!");
    texts.printCanceled = QStringLiteral("\rLabel Print Canceled!");
    texts.previewCanceled = QStringLiteral("\rLabel Preview Canceled!");
    texts.cancelQuestion = QStringLiteral("Cancel Label Printing?");
    return texts;
}

namespace messages {

QString designFileRemoved() { return QStringLiteral("Label definition file has been removed from the sysdata directory"); }
QString noPositionSelected() { return QStringLiteral("You must select at least one card to print"); }
QString recordOutOfRange() { return QStringLiteral("Current record is out of range. Starting with first record"); }

QString presortOrder(bool notPresorted)
{
    const QString order = QStringLiteral("Labels will print/preview in the following order:\r\n  1. 5-Digit presort\r\n"
                                         "  2. 3-Digit presort\r\n  3. ADC presort");
    return notPresorted ? order + QStringLiteral("\r\n  4. Not presorted") : order;
}

QString noRecordsSelected() { return QStringLiteral("No records are selected. Nothing to print"); }

} // namespace messages

} // namespace labels
