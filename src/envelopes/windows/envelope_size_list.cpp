#include "envelopes/windows/envelope_size_list.h"

#include "envelopes/envelope_sizes.h"

#include <QComboBox>

namespace envelopes {

void FillEnvelopeSizeList(QComboBox& list, int code)
{
    list.clear();
    for (const TEnvelopeSize& size : EnvelopeSizes())
        list.addItem(size.caption, size.code);
    list.setCurrentIndex(EnvelopeSizeListIndex(code));
}

int SelectedEnvelopeCode(const QComboBox& list)
{
    const QVariant code = list.currentData();
    return code.isValid() ? code.toInt() : kDefaultEnvelopeCode;
}

} // namespace envelopes
