// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the link reader, as a link from a worksheet, a chat or a page's
// address may be anything: it never crashes or hangs, refuses with a message, and what it
// reads is a picture the controls could have made, which writes back to the same link and
// draws without a fault.
#include "Form.h"
#include "Link.h"
#include "RunSession.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

class NoSurface : public ravo::DrawingSurface {
public:
    void SetScaleToPixels() override {}
    void SetPenWidth(int) override {}
    void DrawLine(float, float, float, float, ravo::Role) override {}
    void DrawCircle(float, float, float, ravo::Role) override {}
    void ShowControl(std::string_view) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = ravo::readLink(text);
    if (const auto* wrong = std::get_if<ravo::LinkError>(&read)) {
        require(!wrong->message.empty());
        return 0;
    }
    const ravo::PictureLink& link = std::get<ravo::PictureLink>(read);
    require(link.runs.size() <= ravo::linkMaxRuns);
    // Only the characters of a web address's fragment, and the same link read again.
    const std::string written = ravo::writeLink(link);
    for (char c : written)
        require((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                c == '.' || c == '-' || c == '_' || c == '~');
    const auto again = ravo::readLink(written);
    require(std::holds_alternative<ravo::PictureLink>(again) &&
            std::get<ravo::PictureLink>(again) == link);
    // A few runs are drawn as the window would open them.
    if (link.runs.size() <= 3) {
        ravo::Form form;
        form.load();
        NoSurface surface;
        ravo::RunSession session(form, surface);
        require(session.load(link));
        require(session.history().runs().size() <= link.runs.size());
    }
    return 0;
}
