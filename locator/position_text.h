// Positions as people copy them: decimal degrees from a phone map, degrees and
// decimal minutes from a GPS or an APRS packet, degrees, minutes and seconds
// with Chinese words, ISO 6709, geo: URIs, map links and locators. A text is
// read exactly, as a whole, or refused with its reason: never half-read, never
// guessed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "locator/angle.h"
#include "locator/grid.h"

namespace quillmark {

enum class CoordinateAxis { Longitude, Latitude };

// One value alone: "23.1089N", "北纬23.1089", "-23.1089", "23°6'32\"".
struct Coordinate {
    Angle value;                         // east and north positive
    std::optional<CoordinateAxis> axis;  // when a letter or word names it
    bool sideGiven = true;               // false for a value with no sign, letter or word
    friend bool operator==(const Coordinate&, const Coordinate&) = default;
};

// The map services whose links carry coordinates deliberately offset from
// WGS-84 (GCJ-02, or Baidu's BD-09 on top of it).
enum class OffsetMapService { Amap, Baidu, Tencent, GoogleChina };

// Why a text gives no position.
struct PositionRefusal {
    enum class Reason {
        Empty,                 // nothing but blanks
        Unreadable,            // in no notation the reader knows
        OneValue,              // one value where a position needs two
        TooManyValues,         // three numbers or more, or a link with several pins
        LatitudeOutOfRange,    // not from 90 S up to (not including) 90 N
        LongitudeOutOfRange,   // not from 180 W up to (not including) 180 E
        TwoLatitudes,          // both values named N or S
        TwoLongitudes,         // both values named E or W
        HemisphereOnOneValue,  // a letter or word on one value, none on the other
        SignAndHemisphere,     // a sign and a letter or word on one value
        MinutesTooLarge,       // minutes of 60 or more
        SecondsTooLarge,       // seconds of 60 or more
        MissingMark,           // "23°6 32": minutes without their mark before another number
        LooksLikeMinutes,      // "23 06.534": degrees and decimal minutes without their marks?
        HyphenBetweenNumbers,  // "12-34-56": a sign or a separator?
        DecimalComma,          // "23,1089": a decimal comma or a separator?
        Exponent,              // "1e3"
        NotANumber,            // NaN, infinity
        TooManyDecimals,       // more decimals than an Angle holds exactly (18)
        StrayText,             // words or characters that are no part of a position (`text`)
        NotALocator,           // starts as a locator but is none (`locator`)
        OtherAxis,             // a line's own reading: a value named for the other line
        PositionlessLink,      // a map link that names no position (a place name, a short link)
        OtherSite,             // a link to a site whose positions are not read (`text`: its host)
        OffsetMap,             // a link of an offset map service (`service`)
    };
    Reason reason;
    std::string text;  // the stray word or the host, for the reasons that name one
    OffsetMapService service = OffsetMapService::Amap;
    LocatorRefusal locator{};
};

// Everything the reader reads, exactly (see the README's table):
// - decimal degrees, signed or with N S E W before or after the number, with or
//   without a degree mark, or after 北纬 南纬 东经 西经 (北緯 南緯 東經 西經);
// - degrees and decimal minutes, degrees minutes and seconds (marks ° º ˚ d 度,
//   ' ′ ’ 分, " ″ ” '' 秒; a fraction only in the last component, minutes and
//   seconds below 60; the last mark may be left out);
// - two values as latitude then longitude, separated by a comma, blanks or
//   both, optionally in parentheses; letters or words decide the axes in either
//   order, and without them a first value beyond 90 degrees whose partner can
//   be a latitude is the longitude;
// - APRS and NMEA degrees and minutes with letters (2306.53N/11315.89E,
//   2306.534,N,11315.894,E), ISO 6709 (+23.1089+113.2649/), geo: URIs, Google
//   Maps and OpenStreetMap links, and a Maidenhead locator (its centre).
// Look-alikes are mapped first (mapLookAlikes) and letters may be of any case.
// One value alone is a Coordinate; a position is within 180 W..180 E and
// 90 S..90 N, the eastern and northern limits excluded.
std::variant<Position, Coordinate, PositionRefusal> readPositionText(std::string_view text);

// readPositionText where a whole position is needed: one value is refused
// (OneValue).
std::variant<Position, PositionRefusal> readPosition(std::string_view text);

// What a text pasted into, or entered in, the coordinate line of `axis` gives:
// a position fills both lines; a value named for this line, or unnamed,
// fills this line alone (a value with no sign, letter or word stays on the
// side the line's hemisphere buttons show, south or west when
// `negativeWhenUnsigned`, as a typed line without its letter does), and one
// named for the other line is refused (OtherAxis).
struct LineReading {
    std::optional<Angle> longitude;
    std::optional<Angle> latitude;
};
std::variant<LineReading, PositionRefusal> readForLine(std::string_view text, CoordinateAxis axis,
                                                       bool negativeWhenUnsigned);

}  // namespace quillmark
