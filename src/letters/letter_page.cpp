#include "letters/letter_page.h"

#include <cstdint>

namespace letters {

bool IsUsablePage(const TLetterPage& page)
{
    if (page.paperWidth <= 0 || page.paperHeight <= 0)
        return false;
    if (page.marginLeft < 0 || page.marginRight < 0 || page.marginTop < 0 || page.marginBottom < 0)
        return false;
    // 64 bits: two margins near the int limit must not wrap round to a fit.
    const std::int64_t width = std::int64_t(page.paperWidth) - page.marginLeft - page.marginRight;
    const std::int64_t height = std::int64_t(page.paperHeight) - page.marginTop - page.marginBottom;
    return width >= kMinimumTextExtent && height >= kMinimumTextExtent;
}

} // namespace letters
