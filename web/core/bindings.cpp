// The core's GameSession for the browser: a JS class `Session` whose calls take the core's enums
// as their numbers and return plain JS objects, and whose pixels come out as the RGBA bytes a
// canvas's ImageData holds.

#include "core/board/SquareCount.h"
#include "core/session/GameSession.h"
#include "core/settings/SettingsTable.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using emscripten::val;

namespace {

[[noreturn]] void throwRangeError(const std::string &message)
{
    val::global("RangeError").new_(message).throw_();
}

Side sideOf(int side)
{
    if (side != static_cast<int>(Side::Left) && side != static_cast<int>(Side::Right))
        throwRangeError("side must be 1 (left) or 2 (right), not " + std::to_string(side));
    return static_cast<Side>(side);
}

Pattern patternOf(int pattern)
{
    if (pattern < static_cast<int>(Pattern::RandomLines) ||
        pattern > static_cast<int>(Pattern::Triangles))
        throwRangeError("no pattern " + std::to_string(pattern));
    return static_cast<Pattern>(pattern);
}

Switch switchOf(int which)
{
    if (which < static_cast<int>(Switch::Search) || which > SwitchCount)
        throwRangeError("no switch " + std::to_string(which));
    return static_cast<Switch>(which);
}

val rectObject(const Rect &rect)
{
    val object = val::object();
    object.set("x", rect.x);
    object.set("y", rect.y);
    object.set("width", rect.width);
    object.set("height", rect.height);
    return object;
}

val changesObject(const SessionChanges &changes)
{
    val object = val::object();
    object.set("board", rectObject(changes.board));
    object.set("newBoard", changes.newBoard);
    object.set("strip", changes.strip);
    object.set("swatches", changes.swatches);
    object.set("defaultColors", changes.defaultColors);
    object.set("controls", changes.controls);
    object.set("squares", changes.squares);
    object.set("screenMode", changes.screenMode);
    return object;
}

val squareSideObject(const SquareCount::Side &side)
{
    val object = val::object();
    object.set("halves", side.halves);
    object.set("regions", side.regions);
    object.set("text", SquareCount::areaText(side.halves));
    return object;
}

// A JS number taken modulo 2^32, as `>>> 0` does; not a number, or an infinity, is 0.
std::uint32_t wrapped(double value)
{
    if (!std::isfinite(value))
        return 0;
    double rest = std::fmod(std::trunc(value), 4294967296.0);
    if (rest < 0)
        rest += 4294967296.0;
    return static_cast<std::uint32_t>(rest);
}

// The seed for each restart of the random sequence. A JS function is asked each time (Date.now
// moves in milliseconds or coarser, so a count of the restarts is mixed in, as the core's own
// clock does); a number is the seed of every restart, which makes the patterns repeatable.
RandomSequence::SeedClock seedClock(val clock)
{
    if (clock.isNumber()) {
        const std::uint32_t fixed = wrapped(clock.as<double>());
        return [fixed] { return fixed; };
    }
    if (clock.typeOf().as<std::string>() != "function")
        throwRangeError("the seed clock must be a function or a number");
    return [clock, restarts = std::uint32_t{0}]() mutable {
        const double now = clock().as<double>();
        return wrapped(now) ^ wrapped(now / 4294967296.0) ^ (++restarts * 0x9e3779b9U);
    };
}

// Copies a rectangle of `raster` as R, G, B, A bytes, row after row, into `bytes`.
void copyRgba(const Raster &raster, const Rect &rect, std::vector<std::uint8_t> &bytes)
{
    auto out = bytes.begin();
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
        const Rgb *row = raster.row(y);
        for (int x = rect.x; x < rect.x + rect.width; ++x) {
            const Rgb pixel = row[x];
            *out++ = static_cast<std::uint8_t>(pixel >> 16);
            *out++ = static_cast<std::uint8_t>(pixel >> 8);
            *out++ = static_cast<std::uint8_t>(pixel);
            *out++ = static_cast<std::uint8_t>(pixel >> 24);
        }
    }
}

// The part of `rect` inside `bounds`; empty when they do not meet.
Rect clipped(const Rect &rect, const Rect &bounds)
{
    const int left = std::max(rect.x, bounds.x);
    const int top = std::max(rect.y, bounds.y);
    const int right = std::min(rect.x + rect.width, bounds.x + bounds.width);
    const int bottom = std::min(rect.y + rect.height, bounds.y + bounds.height);
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

class BrowserSession
{
public:
    explicit BrowserSession(val clock)
        : m_session(seedClock(std::move(clock)))
        // Both buffers at their largest from the start: the views handed out lie in them.
        , m_boardBytes(std::size_t{GameSession::BoardWidth} * GameSession::BoardHeight * 4)
        , m_stripBytes(std::size_t{GameSession::BoardWidth} * GameSession::StripHeight * 4)
    {}

    // `stored` maps the settings' keys to their stored texts (strings or numbers); a key it lacks
    // takes its default. Returns the changes and the texts that did not convert.
    val loadSettings(val stored)
    {
        const StoredText storedText =
            [&stored](std::string_view key) -> std::optional<std::string> {
            if (stored.isUndefined() || stored.isNull())
                return std::nullopt;
            const val text = stored[std::string(key)];
            if (text.isUndefined() || text.isNull())
                return std::nullopt;
            return val::global("String")(text).as<std::string>();
        };
        GameSettings settings;
        const std::vector<InvalidSetting> invalid = readSettings(settings, storedText);
        val result = val::object();
        result.set("changes", changesObject(m_session.load(settings)));
        val invalidTexts = val::array();
        for (const InvalidSetting &setting : invalid) {
            val entry = val::object();
            entry.set("key", setting.key);
            entry.set("text", setting.text);
            entry.set("defaultText", setting.defaultText);
            invalidTexts.call<void>("push", entry);
        }
        result.set("invalid", invalidTexts);
        return result;
    }

    // Every key with the text a save writes for it.
    val settingTexts() const
    {
        val texts = val::object();
        for (const auto &[key, text] : ::settingTexts(m_session.settings()))
            texts.set(key, text);
        return texts;
    }

    val press(int side, double x, double y)
    {
        return changesObject(m_session.press(sideOf(side), x, y));
    }
    val stepColor(int side) { return changesObject(m_session.stepColor(sideOf(side))); }
    val makePattern(int pattern)
    {
        return changesObject(m_session.makePattern(patternOf(pattern)));
    }
    val showOriginalPicture() { return changesObject(m_session.showOriginalPicture()); }
    val check() { return changesObject(m_session.check()); }
    val setSwitch(int which, bool on)
    {
        return changesObject(m_session.setSwitch(switchOf(which), on));
    }

    // 0xAARRGGBB.
    double sideColor(int side) const { return m_session.sideColor(sideOf(side)); }
    double defaultColor(int side) const { return m_session.defaultColor(sideOf(side)); }
    bool isOn(int which) const { return m_session.isOn(switchOf(which)); }

    // Which controls the children may use; `patterns` is indexed by the pattern's number.
    val controls() const
    {
        val object = val::object();
        object.set("check", m_session.canCheck());
        object.set("choosePattern", m_session.canChoosePattern());
        object.set("openFile", m_session.canOpenFile());
        object.set("changeColor", m_session.canChangeColor());
        val patterns = val::array();
        for (int pattern = static_cast<int>(Pattern::RandomLines);
             pattern <= static_cast<int>(Pattern::Triangles); ++pattern)
            patterns.call<void>("push", m_session.isPatternEnabled(static_cast<Pattern>(pattern)));
        object.set("patterns", patterns);
        return object;
    }

    // The squares the last check counted, or null.
    val squares() const
    {
        const auto &shown = m_session.squares();
        if (!shown)
            return val::null();
        val object = val::object();
        object.set("left", squareSideObject(shown->result.left));
        object.set("right", squareSideObject(shown->result.right));
        object.set("leftColor", static_cast<double>(shown->leftColor));
        object.set("rightColor", static_cast<double>(shown->rightColor));
        return object;
    }

    // The board's pixels in the rectangle (cut to the board) as R, G, B, A bytes, row after row:
    // a view into the module's memory, valid until the module's memory grows, so to be copied at
    // once (new ImageData(new Uint8ClampedArray(view), width)). The rectangle itself is `lastRect`.
    val boardRgba(int x, int y, int width, int height)
    {
        const Raster &image = m_session.board().image();
        m_lastRect = clipped({x, y, width, height}, image.rect());
        copyRgba(image, m_lastRect, m_boardBytes);
        return val(emscripten::typed_memory_view(std::size_t(m_lastRect.width) *
                                                     std::size_t(m_lastRect.height) * 4,
                                                 m_boardBytes.data()));
    }

    // The whole graph strip, the same way.
    val stripRgba()
    {
        const Raster &image = m_session.strip().image();
        copyRgba(image, image.rect(), m_stripBytes);
        return val(emscripten::typed_memory_view(m_stripBytes.size(), m_stripBytes.data()));
    }

    val lastRect() const { return rectObject(m_lastRect); }

private:
    GameSession m_session;
    std::vector<std::uint8_t> m_boardBytes;
    std::vector<std::uint8_t> m_stripBytes;
    Rect m_lastRect;
};

} // namespace

EMSCRIPTEN_BINDINGS(morvane_core)
{
    emscripten::constant("boardWidth", GameSession::BoardWidth);
    emscripten::constant("boardHeight", GameSession::BoardHeight);
    emscripten::constant("stripHeight", GameSession::StripHeight);

    emscripten::class_<BrowserSession>("Session")
        .constructor<val>()
        .function("loadSettings", &BrowserSession::loadSettings)
        .function("settingTexts", &BrowserSession::settingTexts)
        .function("press", &BrowserSession::press)
        .function("stepColor", &BrowserSession::stepColor)
        .function("makePattern", &BrowserSession::makePattern)
        .function("showOriginalPicture", &BrowserSession::showOriginalPicture)
        .function("check", &BrowserSession::check)
        .function("setSwitch", &BrowserSession::setSwitch)
        .function("sideColor", &BrowserSession::sideColor)
        .function("defaultColor", &BrowserSession::defaultColor)
        .function("isOn", &BrowserSession::isOn)
        .function("controls", &BrowserSession::controls)
        .function("squares", &BrowserSession::squares)
        .function("boardRgba", &BrowserSession::boardRgba)
        .function("stripRgba", &BrowserSession::stripRgba)
        .function("lastRect", &BrowserSession::lastRect);
}
