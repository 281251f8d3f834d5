// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunRecord.h"
#include "Text.h"
#include "View.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ravo {

// A picture as one line of text, a link: a word and a version, how the picture is shown,
// then each run that drew it, in order: its settings as the controls wrote them (the typed
// frequency text as typed), the answer to the question before it, and where it ended.
// Only letters, digits and "." "-" "_" "~": safe in a web address's fragment, with no
// escaping. A later Ravo reads today's links; one that cannot read a link says so.
//
//   ravo1_V<view>_<run>_<run>...
//   view: "p" projector colours, "s" marks by shape, "h" marks hidden, "l" legend
//   run:  F<frequency>R<radius>I<index>C<aperture>H<half lens>D<Y|N>M<O|B>S<slow-down>
//         A<-|Y|N>P<F|points>
//   frequency "0.5", "0.75", "1", or "x" and the typed text's UTF-8 bytes in lower-case hex;
//   radius 500/450/400, index 1/0.98/0.96, aperture 0/50/100, half lens 80/40 (as the
//   settings hold them); dispersion Yes/No; mapping dots (Body)/bars (Pruhy); slow-down
//   1 to 10000; the answer to "Delete probability" (- where it was not asked); F for a
//   finished run, or the number of points a stopped run drew.
struct LinkRun {
    SettingsRecord settings; // nStart as it stood when the run began
    RunRecord::Answer answer = RunRecord::Answer::NotAsked;
    RunRecord::Progress progress = RunRecord::Progress::Finished;
    int points = 85; // drawn, for a stopped run

    bool operator==(const LinkRun& other) const;
};

struct PictureLink {
    ViewOptions view;
    std::vector<LinkRun> runs;
    bool operator==(const PictureLink& other) const = default;
};

inline constexpr std::string_view linkWord = "ravo";
inline constexpr int linkVersion = 1;
// Reading stops beyond these: a link longer, or with more runs, is refused unread.
inline constexpr std::size_t linkMaxLength = 8192;
inline constexpr std::size_t linkMaxRuns = 200;
// The longest frequency text a link carries, in characters.
inline constexpr std::size_t linkMaxFrequency = 40;

// The link of a picture: the records of its runs, and how it is shown.
PictureLink linkOf(const RunHistory& history, const ViewOptions& view);
std::string writeLink(const PictureLink& link);

// What is wrong with a text that is no link Ravo can open, in a few words.
struct LinkError {
    Text message;
};
std::variant<PictureLink, LinkError> readLink(std::string_view text);

} // namespace ravo
