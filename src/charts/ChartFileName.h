#pragma once
// The file name a saved chart is offered under, made from its caption, so a
// folder of saved charts says what each one shows.

#include <string>
#include <string_view>

namespace quorvale {

// The caption's letters and digits, every other run of characters turned
// into one "-", trimmed at both ends and held to a readable length, then the
// suffix ("png", "csv"). "chart" stands in for a caption with no letter or
// digit in it.
std::string chartFileName(std::string_view caption, std::string_view suffix);

}  // namespace quorvale
