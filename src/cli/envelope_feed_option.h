#pragma once

#include "envelopes/envelope_feed.h"

#include <optional>
#include <string>

namespace quorvel::cli {

// --feed POS,ORIENT,FACING[,cw]: "left", "right" or "center"; "portrait" or
// "landscape"; "up" or "down"; "cw" for clockwise rotation, which only a
// landscape feed has. Any letter case. Nothing, with *problem set, for
// anything else.
std::optional<envelopes::TEnvelopeFeedDescription> parseEnvelopeFeed(const std::string& text, std::string* problem);

} // namespace quorvel::cli
