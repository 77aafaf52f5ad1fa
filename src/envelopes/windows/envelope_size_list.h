#pragma once

class QComboBox;

namespace envelopes {

// Fills a list with the 16 envelope size captions in their order and
// selects the code's entry (the first for a code it does not know).
void FillEnvelopeSizeList(QComboBox& list, int code);

// The code of the selected entry; the default #10 when none is selected.
int SelectedEnvelopeCode(const QComboBox& list);

} // namespace envelopes
