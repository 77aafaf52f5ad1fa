#include "cli/envelope_feed_option.h"

#include "cli/arguments.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace quorvel::cli {

namespace {

// The word's place among the choices, in any letter case; -1 for none.
int choiceOf(std::string word, const std::vector<std::string>& choices)
{
    std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto found = std::find(choices.begin(), choices.end(), word);
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

} // namespace

std::optional<envelopes::TEnvelopeFeedDescription> parseEnvelopeFeed(const std::string& text, std::string* problem)
{
    const std::vector<std::string> words = splitList(text);
    const bool counted = words.size() == 3 || words.size() == 4;
    const int position = counted ? choiceOf(words[0], {"left", "right", "center"}) : -1;
    const int orientation = counted ? choiceOf(words[1], {"portrait", "landscape"}) : -1;
    const int facing = counted ? choiceOf(words[2], {"up", "down"}) : -1;
    const bool clockwise = words.size() == 4 && choiceOf(words[3], {"cw"}) == 0;
    if (position < 0 || orientation < 0 || facing < 0 || (words.size() == 4 && !clockwise)) {
        *problem = "--feed takes POS,ORIENT,FACING[,cw]: left|right|center, portrait|landscape, up|down "
                   "(\"center,landscape,down\")";
        return std::nullopt;
    }
    envelopes::TEnvelopeFeedDescription feed;
    feed.position = static_cast<envelopes::TFeedPosition>(position);
    feed.orientation = static_cast<envelopes::TFeedOrientation>(orientation);
    feed.facing = static_cast<envelopes::TFeedFacing>(facing);
    feed.clockwise = clockwise;
    if (clockwise && feed.orientation != envelopes::foLandscape) {
        *problem = "--feed: clockwise rotation (cw) is only for a landscape feed";
        return std::nullopt;
    }
    return feed;
}

} // namespace quorvel::cli
