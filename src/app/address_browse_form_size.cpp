#include "app/address_browse_form_size.h"

#include <cmath>

namespace quorvel {

namespace {

constexpr int kDesignedWidth = 680;
constexpr int kDesignedHeight = 420;
constexpr int kDesignDpi = 96;

int scaled(int length, int dpi) { return static_cast<int>(std::lround(length * (static_cast<double>(dpi) / kDesignDpi) * 0.95)); }

} // namespace

QSize browseFormSize(int dpi)
{
    if (dpi <= kDesignDpi)
        return QSize(kDesignedWidth, kDesignedHeight);
    return QSize(scaled(kDesignedWidth, dpi), scaled(kDesignedHeight, dpi));
}

} // namespace quorvel
