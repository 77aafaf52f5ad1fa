#pragma once

// The page a letter is printed on, as its RTF text holds it: paper size and
// margins in twips (1440 to the inch).
namespace letters {

struct TLetterPage {
    int paperWidth = 12240;
    int paperHeight = 15840;
    int marginLeft = 1440, marginRight = 1440, marginTop = 1440, marginBottom = 1440;
    bool landscape = false;

    bool operator==(const TLetterPage&) const = default;
};

// The narrowest text area a letter may have, either way: half an inch.
inline constexpr int kMinimumTextExtent = 720;

// True when the paper has a positive size, no margin is negative and at
// least half an inch is left between the margins both ways. A page failing
// this would leave no room to lay text out (and nothing to divide a zoom
// by), so such a page is replaced by the default one.
bool IsUsablePage(const TLetterPage& page);

} // namespace letters
