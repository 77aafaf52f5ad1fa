#pragma once

#include "app/main_window.h"
#include "store/filter_state.h"

namespace quorvel::testing {

// A filter on the city box, as the filter window would set it; an empty
// city clears the filter.
inline void setCityFilter(TAddressMain& window, const QString& city)
{
    TFilterState& filter = window.filterState();
    filter.ClearQueryVars();
    if (!city.isEmpty()) {
        filter.value(TFilterBox::fbCity) = city;
        filter.BuildQueryString(window.dataset().globalTagId());
    }
    window.ApplyFilter();
    window.SetButtons();
}

} // namespace quorvel::testing
